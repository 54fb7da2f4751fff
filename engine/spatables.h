#pragma once

namespace ravla::spa {

// One term A*cos(B + C*t) of a VSOP87-style series.
struct Term {
    double a, b, c;
};

struct NutationTerm {
    int y[5]; // multipliers of D, M, M', F, Omega
    double a, b, c, d;
};

extern const Term kL0[64], kL1[34], kL2[20], kL3[7], kL4[3], kL5[1];
extern const Term kB0[5], kB1[2];
extern const Term kR0[40], kR1[10], kR2[6], kR3[2], kR4[1];
extern const NutationTerm kNutation[63];

} // namespace ravla::spa
