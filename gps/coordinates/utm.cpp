#include "gps/coordinates/utm.h"

#include <cmath>

namespace zel {

int utm_zone(double longitude_deg) {
    // The longitude goes through radians and back before it is divided, as the series does; the
    // clamp happens in floating point so that no out-of-range value is converted to int.
    const double lambda = (longitude_deg * kUtm.rad) / kUtm.rad;
    const double zone = std::floor(lambda / 6.0) + 31.0;
    if (!(zone >= 1.0)) return 1;
    if (zone > 60.0) return 60;
    return static_cast<int>(zone);
}

namespace {

// The terms T1..T9 of the series at one latitude.
struct SeriesTerms {
    double t1, t2, t3, t4, t5, t6, t7, t8, t9;
};

SeriesTerms series_terms(double phi) {
    const UtmConstants& c = kUtm;
    const double sn = std::sin(phi);
    const double cs = std::cos(phi);
    const double t = sn / cs;
    const double t2 = t * t, t4 = t2 * t2, t6 = t4 * t2;
    const double eta2 = c.ep2 * cs * cs;
    const double eta4 = eta2 * eta2, eta6 = eta4 * eta2, eta8 = eta4 * eta4;
    const double nu = c.a / std::sqrt(1.0 - c.e2 * sn * sn);
    const double cs3 = cs * cs * cs, cs5 = cs3 * cs * cs, cs7 = cs5 * cs * cs;
    const double arc = c.arc_a * phi - c.arc_b * std::sin(2.0 * phi) + c.arc_c * std::sin(4.0 * phi) -
                       c.arc_d * std::sin(6.0 * phi) + c.arc_e * std::sin(8.0 * phi);
    SeriesTerms s{};
    s.t1 = arc * c.k0;
    s.t2 = nu * sn * cs * c.k0 / 2.0;
    s.t3 = nu * sn * cs3 * c.k0 * (5.0 - t2 + 9.0 * eta2 + 4.0 * eta4) / 24.0;
    s.t4 = nu * sn * cs5 * c.k0 *
           (61.0 - 58.0 * t2 + t4 + 270.0 * eta2 - 330.0 * t2 * eta2 + 445.0 * eta4 + 324.0 * eta6 -
            680.0 * t2 * eta4 + 88.0 * eta8 - 600.0 * t2 * eta6 - 192.0 * t2 * eta8) /
           720.0;
    s.t5 = nu * sn * cs7 * c.k0 * (1385.0 - 3111.0 * t2 + 543.0 * t4 - t6) / 40320.0;
    s.t6 = nu * cs * c.k0;
    s.t7 = nu * cs3 * c.k0 * (1.0 - t2 + eta2) / 6.0;
    s.t8 = nu * cs5 * c.k0 *
           (5.0 - 18.0 * t2 + t4 + 14.0 * eta2 - 58.0 * t2 * eta2 + 13.0 * eta4 + 4.0 * eta6 - 64.0 * t2 * eta4 -
            24.0 * t2 * eta6) /
           120.0;
    s.t9 = nu * cs7 * c.k0 * (61.0 - 479.0 * t2 + 179.0 * t4 - t6) / 5040.0;
    return s;
}

}  // namespace

UtmPosition transverse_mercator(double latitude_deg, double longitude_deg, int zone) {
    const double phi = latitude_deg * kUtm.rad;
    const double lambda = longitude_deg * kUtm.rad;
    const double lambda0 = (6.0 * zone - 183.0) * kUtm.rad;
    const double dl = lambda - lambda0;
    const double dl2 = dl * dl, dl3 = dl2 * dl, dl4 = dl3 * dl, dl5 = dl4 * dl, dl6 = dl5 * dl,
                 dl7 = dl6 * dl, dl8 = dl7 * dl;
    const SeriesTerms s = series_terms(phi);
    const double false_northing = phi < 0.0 ? kUtm.false_northing_south : 0.0;
    UtmPosition p{};
    p.zone = zone;
    p.northing = false_northing + s.t1 + dl2 * s.t2 + dl4 * s.t3 + dl6 * s.t4 + dl8 * s.t5;
    p.easting = kUtm.false_easting + dl * s.t6 + dl3 * s.t7 + dl5 * s.t8 + dl7 * s.t9;
    return p;
}

UtmPosition geographic_to_utm(double latitude_deg, double longitude_deg) {
    return transverse_mercator(latitude_deg, longitude_deg, utm_zone(longitude_deg));
}

}  // namespace zel
