#pragma once
// The check every fuzz target makes of its invariants: a broken one stops the run at once, with
// the input that broke it kept as a finding.

inline void Exigir(bool condicao) {
    if (!condicao)
        __builtin_trap();
}
