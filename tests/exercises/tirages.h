#pragma once

// The draw r that makes floor(r * nombre) + base give the value.
inline double pour(int valeur, int nombre, int base)
{
    return (valeur - base + 0.5) / nombre;
}
