#include "Dopasowanie.h"

#include <cmath>
#include <utility>

TWspolczynniki Dopasuj(const std::vector<QPointF>& punkty, int stopien) {
    const int n = stopien + 1;
    // Normal equations: sum x^(i+j) a_j = sum x^i y.
    double m[3][4] = {};
    for (const QPointF& p : punkty)
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j)
                m[i][j] += std::pow(p.x(), i + j);
            m[i][n] += std::pow(p.x(), i) * p.y();
        }
    for (int k = 0; k < n; ++k) {
        // Rows change places only for a pivot of exactly 0.
        if (m[k][k] == 0) {
            int najwiekszy = k;
            for (int r = k + 1; r < n; ++r)
                if (std::abs(m[r][k]) > std::abs(m[najwiekszy][k])) najwiekszy = r;
            for (int c = 0; c <= n; ++c)
                std::swap(m[k][c], m[najwiekszy][c]);
        }
        if (m[k][k] == 0) continue;
        for (int r = k + 1; r < n; ++r) {
            const double f = m[r][k] / m[k][k];
            for (int c = k; c <= n; ++c)
                m[r][c] -= f * m[k][c];
        }
    }
    TWspolczynniki a{};
    for (int k = n - 1; k >= 0; --k) {
        if (m[k][k] == 0) continue; // its coefficient stays 0
        double suma = m[k][n];
        for (int c = k + 1; c < n; ++c)
            suma -= m[k][c] * a[size_t(c)];
        a[size_t(k)] = suma / m[k][k];
    }
    return a;
}

int StopienDopasowania(int punktow) {
    if (punktow < 3) return 0;
    return punktow < 9 ? 1 : 2;
}
