#include "DocumentSnapshot.h"

#include "TProgramData.h"

TDocumentSnapshot::TDocumentSnapshot(const TProgramData& doc) : fTitle(doc.Title) {
  fValues = {doc.PINC,    doc.RCYCL,    doc.DSTART, doc.DIALIM, doc.RATIO, doc.BELANGL,
             doc.TOPLENG, doc.BS,       doc.EPILE,  doc.WTD,    doc.PD,    doc.PDMIN,
             doc.PDINCR,  doc.DIAMINCR, doc.FST,    doc.FSB,    doc.LPD,   doc.ValElevation};
  for (int value : {doc.PrintTZCurves, doc.METHOD, doc.KCYCL, doc.NPOINTPD, doc.UseElevation,
                    doc.IPENT, doc.IChart, doc.IMOD})
    fValues.push_back(value);
  fValues.insert(fValues.end(), doc.PDSETT.begin(), doc.PDSETT.end());
}
