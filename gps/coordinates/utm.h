#pragma once

namespace zel {

// Projection constants of the WGS 84 ellipsoid and the UTM grid, with the coefficients of the
// meridian-arc series derived from them.
struct UtmConstants {
    double a;             // semi-major axis, metres
    double inverse_f;     // inverse flattening
    double k0;            // scale factor on the central meridian
    double false_easting;
    double false_northing_south;
    double rad;           // degrees to radians, to 15 significant digits
    double b;             // semi-minor axis
    double e2;            // first eccentricity squared
    double ep2;           // second eccentricity squared
    double n;             // third flattening
    double arc_a, arc_b, arc_c, arc_d, arc_e;  // A' .. E' of the meridian arc
};

// Derives b, e2, ep2, n and A'..E' from a and 1/f, in that order.
constexpr UtmConstants make_utm_constants() {
    UtmConstants c{};
    c.a = 6378137.0;
    c.inverse_f = 298.257223563;
    c.k0 = 0.9996;
    c.false_easting = 500000.0;
    c.false_northing_south = 10000000.0;
    c.rad = 0.0174532925199433;
    c.b = c.a * (c.inverse_f - 1.0) / c.inverse_f;
    c.e2 = (c.a * c.a - c.b * c.b) / (c.a * c.a);
    c.ep2 = (c.a * c.a - c.b * c.b) / (c.b * c.b);
    c.n = (c.a - c.b) / (c.a + c.b);
    const double n = c.n, n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n;
    c.arc_a = c.a * (1.0 - n + 5.0 / 4.0 * (n2 - n3) + 81.0 / 64.0 * (n4 - n5));
    c.arc_b = 3.0 * c.a / 2.0 * (n - n2 + 7.0 / 8.0 * (n3 - n4) + 55.0 / 64.0 * n5);
    c.arc_c = 15.0 * c.a / 16.0 * (n2 - n3 + 3.0 / 4.0 * (n4 - n5));
    c.arc_d = 35.0 * c.a / 48.0 * (n3 - n4 + 11.0 / 16.0 * n5);
    c.arc_e = 315.0 * c.a / 512.0 * (n4 - n5);
    return c;
}

// Computed at compile time, so no fix can arrive before they are set.
inline constexpr UtmConstants kUtm = make_utm_constants();

struct UtmPosition {
    int zone;         // 1..60
    double northing;  // metres, false northing applied south of the equator
    double easting;   // metres, false easting applied
};

// The zone from the longitude in degrees; the boundary belongs to the zone to its east, and
// longitudes outside -180..180 (or not a number) end at the nearest limit 1 or 60.
int utm_zone(double longitude_deg);

// Transverse Mercator series about the given central meridian (degrees). No input is rejected:
// latitudes beyond the UTM range run through the same series. At the poles the tangent grows
// without bound but is always multiplied by a matching power of the cosine, so the result stays
// finite.
UtmPosition transverse_mercator(double latitude_deg, double longitude_deg, int zone);

// Geographic (WGS 84, decimal degrees, south and west negative) to UTM, the zone always taken
// from the longitude.
UtmPosition geographic_to_utm(double latitude_deg, double longitude_deg);

}  // namespace zel
