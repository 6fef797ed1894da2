#include "SoilProfileDefinitions.h"

namespace {

// Every parameter template has two rows: row 1 holds the values at the top of the layer,
// row 2 those at its bottom.
const char* const kDefinitions = R"TBL(
table tblDataSand
  Caption = 'Sand Layer Data'
  Comments = ''
  HardwiredButton = False
  Identifier = 1
  MinRows = 2
  MaxRows = 2
  RowGroup = 1
  TopLeft = 'Location, 1=Top, 2=Bottom'
  Col = { 8
    2 ('Total Unit' 'Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    2 ('Friction' 'Angle') True False False 'FLOATCOLUMN2' 'deg' 0.0
    1 ('Blow' 'Counts') True False 0 0 100
    2 ('Ko') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('Beta') True False False 'FLOATCOLUMN2' '' 0.0
    1 ('Method') True False 1 1 2
    2 ('Interface' 'Angle') True False False 'FLOATCOLUMN2' 'deg' 0.0
    2 ('OCR') True False False 'FLOATCOLUMN2' '' 0.0 }
end
table tblDataClay
  Caption = 'Clay Layer Data'
  Comments = ''
  HardwiredButton = False
  Identifier = 2
  MinRows = 2
  MaxRows = 2
  RowGroup = 1
  TopLeft = 'Location, 1=Top, 2=Bottom'
  Col = { 5
    2 ('Total Unit' 'Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    2 ('Cohesion') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    1 ('Blow' 'Counts') True False 0 0 100
    2 ('Alpha' 'Factor') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('Bearing Capacity' 'Coefficient Nc') True False False 'FLOATCOLUMN2' '' 0.0 }
end
table tblDataShale
  Caption = 'Shale Layer Data'
  Comments = ''
  HardwiredButton = False
  Identifier = 3
  MinRows = 2
  MaxRows = 2
  RowGroup = 1
  TopLeft = 'Location, 1=Top, 2=Bottom'
  Col = { 5
    2 ('Total Unit' 'Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    2 ('Cohesion') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    1 ('Blow' 'Counts') True False 0 0 100
    2 ('Alpha' 'Factor') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('Bearing Capacity' 'Coefficient Nc') True False False 'FLOATCOLUMN2' '' 0.0 }
end
table tblDataStrongRock
  Caption = 'Strong Rock Layer Data'
  Comments = ''
  HardwiredButton = False
  Identifier = 4
  MinRows = 2
  MaxRows = 2
  RowGroup = 1
  TopLeft = 'Location, 1=Top, 2=Bottom'
  Col = { 7
    2 ('Rock Compressive' 'Strength') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    2 ('Concrete Compressive' 'Strength') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    2 ('Discontinuity' 'Spacing') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Discontinuity' 'Thickness') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Socket' 'Diameter') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Elastic' 'Modulus') True False False 'FLOATCOLUMN2' 'F/L^2' 0.0
    2 ('RQD, %') True False False 'FLOATCOLUMN2' '' 0.0 }
end
table tblDataGravel
  Caption = 'Decomposed Geo. Layer Data'
  Comments = ''
  HardwiredButton = False
  Identifier = 5
  MinRows = 2
  MaxRows = 2
  RowGroup = 1
  TopLeft = 'Location, 1=Top, 2=Bottom'
  Col = { 5
    2 ('Total Unit' 'Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    1 ('Blow' 'Counts') True False 0 0 100
    2 ('Poisson''s' 'Ratio') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('Young''s Modulus' '(optional)') True False False 'FLOATCOLUMN2' 'F/L^2' 0.0
    2 ('Socket' 'Diameter') True False False 'FLOATCOLUMN2' 'L2' 0.0 }
end
table tblDataWeakRock
  Caption = 'Weak Rock Layer Data'
  Comments = ''
  HardwiredButton = False
  Identifier = 6
  MinRows = 2
  MaxRows = 2
  RowGroup = 1
  TopLeft = 'Location, 1=Top, 2=Bottom'
  Col = { 7
    2 ('Rock Compressive' 'Strength') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    0 ('Interface' 'Condition') True False ('Rough Surface w/closed joints' 'Smooth Surface w/closed joints' 'Rough Surface w/open joints' 'Smooth Surface w/open joints')
    2 ('Concrete' 'Slump') True False False 'FLOATCOLUMN2' 'L' 0.0
    2 ('Interface' 'Friction Angle') True False False 'FLOATCOLUMN2' 'deg' 0.0
    2 ('Socket' 'Diameter') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Elastic Modulus' 'of Rock Core') True False False 'FLOATCOLUMN2' 'F/L^2' 0.0
    2 ('RQD, %') True False False 'FLOATCOLUMN2' '' 0.0 }
end
table tblNewStrongRock
  Caption = 'Strong Rock Layer Data'
  Comments = ''
  HardwiredButton = False
  Identifier = 7
  MinRows = 2
  MaxRows = 2
  RowGroup = 1
  TopLeft = 'Location, 1=Top, 2=Bottom'
  Col = { 7
    2 ('Rock Compressive' 'Strength') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    2 ('Concrete Compressive' 'Strength') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    2 ('Discontinuity' 'Spacing') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Discontinuity' 'Thickness') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Socket' 'Diameter') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Elastic' 'Modulus') True False False 'FLOATCOLUMN2' 'F/L^2' 0.0
    2 ('RQD, %') True False False 'FLOATCOLUMN2' '' 0.0 }
end
table tblDataGravellysand
  Caption = 'Gravelly Sand Layer Data'
  Comments = ''
  HardwiredButton = False
  Identifier = 31
  MinRows = 2
  MaxRows = 2
  RowGroup = 1
  TopLeft = ''
  Col = { 3
    2 ('Total Unit' 'Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    1 ('Blow' 'Counts') True False 0 -2147483648 2147483647
    2 ('Beta' '(optional)') True False False 'FLOATCOLUMN2' '' 0.0 }
end
table tblRollinsGravel
  Caption = 'Gravel Layer Data'
  Comments = ''
  HardwiredButton = False
  Identifier = 32
  MinRows = 2
  MaxRows = 2
  RowGroup = 1
  TopLeft = ''
  Col = { 3
    2 ('Total Unit' 'Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    1 ('Blow' 'Counts') True False 0 -2147483648 2147483647
    2 ('Beta' '(optional)') True False False 'FLOATCOLUMN2' '' 0.0 }
end
table D
  Caption = 'Soil Layer Data'
  Comments = ''
  HardwiredButton = False
  Identifier = 21
  MinRows = 1
  MaxRows = 40
  RowGroup = 1
  TopLeft = ''
  Col = { 7
    0 ('Soil Type') True False ('sand (FHWA Spec.)' 'clay (FHWA Spec.)' 'shale (Reese &Aurora)' 'strong rock (FHWA-side frict. or end bear.)' 'decomposed rock/gravel (FHWA Spec.)' 'weak rock (FHWA Spec.)' 'strong rock (side friction + end bearing)' 'gravelly sand (Rollins et al)' 'gravel (Rollins et al)')
    2 ('Depth at Bottom ' 'of each Layer') True False False 'FLOATCOLUMN2' 'L2' 0.0
    3 ('Layer Data') True False 'FLEXCOLUMN2' (1 2 3 4 5 6 7 31 32)
    2 ('Max. Side ' 'Friction') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    2 ('Max. End ' 'Bearing') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    2 ('LRFD Resistance Factor' '(Side Friction)') True False False 'FLOATCOLUMN2' '' 1.0
    2 ('LRFD Resistance Factor' '(End Bearing)') True False False 'FLOATCOLUMN2' '' 1.0 }
end
table TblTZDepth
  Caption = 'Generated t-z curves'
  Comments = ''
  HardwiredButton = False
  Identifier = 10
  MinRows = 1
  MaxRows = 50
  RowGroup = 1
  TopLeft = ''
  Col = { 1
    2 ('Depth') True False False 'FLOATCOLUMN2' 'L2' 0.0 }
end
)TBL";

}  // namespace

QString SoilProfileDefinitions() { return QString::fromUtf8(kDefinitions); }
