#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

// The SAE J1979 scalings of the PIDs beyond the reader's first formulas: multi-byte values,
// several values in one answer, and records of sensors behind a support byte. bajty are the
// data bytes of the answer, as many as arrived. nullopt: no scaling known for the formula,
// or too few bytes for it; the value is then shown in hexadecimal.
std::optional<QString> WartoscJ1979(int wzor, int numerPid, std::span<const std::uint32_t> bajty);

// The fuel type of PID 51.
QString RodzajPaliwa(std::uint32_t a);
