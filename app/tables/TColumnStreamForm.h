#pragma once
// The two forms of the tables' column stream. The current form marks real and table
// columns ("FLOATCOLUMN2", "FLEXCOLUMN2") and carries a real column's default and a table
// column's whole template list; the older form has neither and is still read.
enum class TColumnStreamForm { Current, Older };
