// Every resistance rule over a grid of realistic, zero, negative and huge inputs: the result
// is always a finite, non-negative number.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "CohesionlessRules.h"
#include "CohesiveRules.h"
#include "RockRules.h"

namespace tvx {
namespace {

bool Usable(float v) { return std::isfinite(v) && v >= 0.0f; }

const std::initializer_list<ResistanceLoading> kLoadings = {{1, 1.0f, 0.0f}, {2, 0.7f, 2.5f}, {2, -1.0f, 0.0f}};

TEST(ResistanceSweep, CohesionlessRulesStayFiniteAndNonNegative) {
  UnitTable units;  // nothing open: messages are dropped
  for (int KSOIL : {kSand, kGravellySand, kGravel})
    for (int method : {int{kKoMethod}, int{kBetaMethod}, int{kKulhawyChenMethod}, 0})
      for (bool estimated : {false, true})
        for (float z : {0.0f, 0.5f, 20.0f, 1e4f})
          for (float N : {-5.0f, 0.0f, 20.0f, 1e5f})
            for (float phi : {-10.0f, 0.0f, 35.0f, 90.0f})
              for (float sigmaV : {-100.0f, 0.0f, 2000.0f, 1e9f})
                for (float coef : {-1.0f, 0.0f, 0.5f, 1e3f})
                  for (float tranlm : {-1.0f, 1000.0f, kNoLimit}) {
                    CohesionlessStep s;
                    s.KSOIL = KSOIL;
                    s.sandMethod = method;
                    s.coefEstimated = estimated;
                    s.coefGivenAtBothEnds = true;
                    s.z = z;
                    s.BLOWS = N;
                    s.PHI = phi;
                    s.coef = coef;
                    s.GAMMA = 120.0f;
                    s.WTD = 10.0f;
                    s.sigmaV = sigmaV;
                    s.TRANLM = tranlm;
                    LayerWorkingState state;
                    const CohesionlessWorking w = CohesionlessWorkingValues(s, state, units);
                    for (const ResistanceLoading& loading : kLoadings) {
                      const float f = CohesionlessSideResistance(s, w, loading);
                      ASSERT_TRUE(Usable(f)) << "f " << f << " KSOIL " << KSOIL << " method " << method << " z " << z
                                             << " N " << N << " phi " << phi << " sv " << sigmaV << " c " << coef;
                    }
                    for (float Db : {0.0f, 3.0f, 1e4f})
                      for (int imod : {0, 1}) {
                        const TipResult tip = SandTipResistance(w, z, BaseGeometry{0.7854f * Db * Db, Db}, imod);
                        ASSERT_TRUE(Usable(tip.qb) && Usable(tip.Qb)) << "N " << N << " phi " << phi << " Db " << Db;
                      }
                  }
}

TEST(ResistanceSweep, CohesiveRulesStayFiniteAndNonNegative) {
  UnitTable units;
  for (int KSOIL : {kClay, kShale})
    for (bool estimated : {false, true})
      for (bool ncEstimated : {false, true})
        for (float z : {0.0f, 20.0f, 1e4f})
          for (float cu : {-5.0f, 0.0f, 3000.0f, 1e9f})
            for (float N : {-5.0f, 0.0f, 20.0f, 1e5f})
              for (float alpha : {-1.0f, 0.0f, 0.5f, 50.0f})
                for (float nc : {-1.0f, 0.0f, 9.0f, 1e6f})
                  for (float dstart : {0.0f, 3.0f}) {
                    CohesiveStep s;
                    s.KSOIL = KSOIL;
                    s.coefEstimated = estimated;
                    s.ncEstimated = ncEstimated;
                    s.alphaGivenAtBothEnds = alpha > 1e-5f;
                    s.cuGivenAtEitherEnd = cu > 1e-5f;
                    s.z = z;
                    s.CU = cu;
                    s.BLOWS = N;
                    s.ALPHA = alpha;
                    s.NC = nc;
                    s.DSTART = dstart;
                    LayerWorkingState layerState;
                    CaseRuleState caseState;
                    for (const ResistanceLoading& loading : kLoadings)
                      ASSERT_TRUE(Usable(CohesiveSideResistance(s, loading, layerState, caseState, units)))
                          << "cu " << cu << " N " << N << " alpha " << alpha;
                    for (float Db : {0.0f, 3.0f, 8.0f, 1e4f}) {
                      const TipResult tip = ClayTipResistance(s, BaseGeometry{0.7854f * Db * Db, Db}, layerState);
                      ASSERT_TRUE(Usable(tip.qb) && Usable(tip.Qb)) << "cu " << cu << " N " << N << " Nc " << nc;
                    }
                  }
}

void ExpectUsable(const RockStepResult& r) {
  ASSERT_TRUE(Usable(r.f) && Usable(r.Qb) && Usable(r.b) && Usable(r.p) && Usable(r.Ab) && r.N2D >= 0)
      << "f " << r.f << " Qb " << r.Qb << " b " << r.b << " p " << r.p << " Ab " << r.Ab;
}

TEST(ResistanceSweep, StrongRockStaysFiniteAndNonNegative) {
  UnitTable units;
  for (int KSOIL : {kStrongRock, kStrongRockBoth})
    for (float qur : {-1.0f, 0.0f, 40320.0f, 200000.0f, 1e12f})
      for (float qucon : {0.0f, 500000.0f, 1e12f})
        for (float bds : {-1.0f, 0.0f, 3.0f, 1e5f})
          for (float D : {0.0f, 3.0f})
            for (float dstart : {0.0f, 3.0f})
              for (float cs : {-1.0f, 0.0f, 2.0f, 1e9f})
                for (float disct : {-1.0f, 0.0f, 0.01f, 1e9f})
                  for (const ResistanceLoading& loading : kLoadings) {
                    RockStepInput s;
                    s.KSOIL = KSOIL;
                    s.z = 30.0f;
                    s.QUR = qur;
                    s.QUCON = qucon;
                    s.BDS = bds;
                    s.D = D;
                    s.DSTART = dstart;
                    s.CS = cs;
                    s.DISCT = disct;
                    CaseRuleState caseState;
                    ExpectUsable(StrongRockResistance(s, loading, caseState, units));
                  }
}

ProblemRecord RockProfile(int rockType, float gamma, float WTD) {
  ProblemRecord p;
  p.NLAYERS = 3;
  p.layer[2].KSOIL = kClay;
  p.layer[2].XBOTSNAP = 10.0f;
  p.layer[2].GAMMA = {gamma, gamma};
  p.layer[3].KSOIL = rockType;
  p.layer[3].XBOTSNAP = 40.0f;
  p.layer[3].GAMMA = {gamma, gamma};
  p.layer[3].BDS = {3.0f, 3.0f};
  p.WTD = WTD;
  return p;
}

TEST(ResistanceSweep, DecomposedRockStaysFiniteAndNonNegative) {
  UnitTable units;
  for (float gamma : {0.0f, 50.0f, 130.0f, 1e9f})
    for (float WTD : {0.0f, 20.0f, 1e6f}) {
      const ProblemRecord problem = RockProfile(kDecomposedRock, gamma, WTD);
      for (float z : {11.0f, 39.0f})
        for (float sigmaV : {-100.0f, 0.0f, 1000.0f, 1e12f})
          for (float N : {-5.0f, 0.0f, 30.0f, 1e6f})
            for (float bds : {0.0f, 3.0f, 1e5f})
              for (float dstart : {0.0f, 3.0f})
                for (float L : {0.0f, 20.0f, 1e6f}) {
                  RockStepInput s;
                  s.entry = 3;
                  s.KSOIL = kDecomposedRock;
                  s.z = z;
                  s.D = 3.0f;
                  s.DSTART = dstart;
                  s.sigmaV = sigmaV;
                  s.BLOWS = N;
                  s.BDS = bds;
                  for (const ResistanceLoading& loading : kLoadings) {
                    CaseRuleState caseState;
                    ExpectUsable(DecomposedRockResistance(problem, s, L, loading, caseState, units));
                  }
                }
    }
}

TEST(ResistanceSweep, WeakRockStaysFiniteAndNonNegative) {
  UnitTable units;
  ProblemRecord problem = RockProfile(kWeakRock, 130.0f, 20.0f);
  for (int icond : {0, 1, 2, 3, 4})
    for (float qur : {-1.0f, 0.0f, 5000.0f, 40000.0f, 1e9f})
      for (float el : {0.0f, 7200.0f, 1e9f})
        for (float rqd : {-10.0f, 60.0f, 500.0f})
          for (float slump : {0.0f, 6.0f, 1e3f})
            for (float phirc : {-30.0f, 0.0f, 30.0f, 89.9f})
              for (float bds : {0.0f, 0.5f, 3.0f, 1e4f})
                for (float L : {0.0f, 35.0f, 1e5f})
                  for (float Ec : {0.0f, 259200.0f, 1e12f}) {
                    problem.layer[3].ICOND = icond;
                    problem.Ec = Ec;
                    RockStepInput s;
                    s.entry = 3;
                    s.KSOIL = kWeakRock;
                    s.z = 20.0f;
                    s.D = s.DSTART = 3.0f;
                    s.QUR = qur;
                    s.EL = el;
                    s.RQD = rqd;
                    s.SLUMP = slump;
                    s.PHIRC = phirc;
                    s.BDS = bds;
                    CaseRuleState caseState;
                    ExpectUsable(WeakRockResistance(problem, s, L, ResistanceLoading{}, caseState, units));
                  }
}

}  // namespace
}  // namespace tvx
