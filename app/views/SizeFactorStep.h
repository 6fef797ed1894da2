#pragma once
// One click on the arrows of "Size Factor": the factor steps by its leading digit. With
// p = 10 to the power floor(log10 f) and k the leading digit, up gives (k + 1) p (so 9 p
// gives 10 p and 10 p gives 20 p), down gives (k - 1) p, or 0.9 p from 1 p. A factor not
// above 0 becomes 1.
long double StepSizeFactor(long double factor, bool up);
