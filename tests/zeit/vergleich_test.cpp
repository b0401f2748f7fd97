// The moment against independent oracles, which referenz.py writes at test
// time from Debian's python3-ephem and Python's zoneinfo on tzdata.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "erfa.h"
#include "erfam.h"
#include "himmelszeit.h"
#include "ortszeit.h"
#include "zonen.h"

namespace {

// Hours into (-12, 12].
double stunden_abweichung(double a, double b) {
    double d = std::fmod(a - b, 24.0);
    return d > 12.0 ? d - 24.0 : d <= -12.0 ? d + 24.0 : d;
}

// Angle between two directions given as (hours, degrees): arcseconds.
double winkel(double rekt1, double dekl1, double rekt2, double dekl2) {
    const double r = M_PI / 12.0, g = M_PI / 180.0;
    const double x = std::cos(dekl1 * g) * std::cos(dekl2 * g) * std::cos((rekt1 - rekt2) * r) +
                     std::sin(dekl1 * g) * std::sin(dekl2 * g);
    const double y = std::hypot(std::cos(dekl2 * g) * std::sin((rekt1 - rekt2) * r),
                                std::cos(dekl1 * g) * std::sin(dekl2 * g) -
                                    std::sin(dekl1 * g) * std::cos(dekl2 * g) * std::cos((rekt1 - rekt2) * r));
    return std::atan2(y, x) / g * 3600.0;
}

// ephem's radec_of gives the catalogue place of a star that appears at the
// zenith: the apparent zenith with the annual aberration taken out. Ours is
// the direction itself (no aberration), as the issue asks. So ephem's place
// gets the aberration back (ERFA's eraAb, the Earth's velocity of eraEpv00)
// before the two are compared; the rest, the time scales, the sidereal time
// and precession-nutation, ephem models on its own.
void aberration_dazu(double tt_1, double tt_2, double& rekt, double& dekl) {
    double pvh[2][3], pvb[2][3], p[3], q[3], v[3];
    eraEpv00(tt_1, tt_2, pvh, pvb);
    for (int i = 0; i < 3; ++i) v[i] = pvb[1][i] * ERFA_AULT / ERFA_DAYSEC;
    const double abstand = eraPm(pvh[0]);
    eraS2c(rekt * M_PI / 12.0, dekl * M_PI / 180.0, p);
    eraAb(p, v, abstand, std::sqrt(1.0 - eraPm(v) * eraPm(v)), q);
    double ra, dec;
    eraC2s(q, &ra, &dec);
    rekt = eraAnp(ra) * 12.0 / M_PI;
    dekl = dec * 180.0 / M_PI;
}

TEST(Vergleich, SternzeitUndZenitWieEphemBeiGleicherTerrestrischerZeit) {
    FILE* datei = std::fopen(REFERENZ_ORDNER "/himmel.txt", "r");
    ASSERT_NE(datei, nullptr) << "referenz.py writes it (test zeit_referenz)";
    double ut1, dtt, breite, laenge, lst, rekt, dekl;
    int zeilen = 0;
    double max_lst = 0.0, max_zenit = 0.0;
    while (std::fscanf(datei, "%lf %lf %lf %lf %lf %lf %lf", &ut1, &dtt, &breite, &laenge, &lst, &rekt,
                       &dekl) == 7) {
        ++zeilen;
        const Zeitskalen s{ut1, 0.0, ut1, dtt};
        double h, r, d;
        ASSERT_EQ(sternzeit(s, laenge, h), ZEIT_OK);
        ASSERT_EQ(zenit_j2000(s, breite, laenge, r, d), ZEIT_OK);
        EXPECT_GE(h, 0.0);
        EXPECT_LT(h, 24.0);
        const double lst_fehler = std::fabs(stunden_abweichung(h, lst)) * 3600.0;
        EXPECT_LT(lst_fehler, 0.1) << "UT1 " << ut1 << " at " << laenge;
        max_lst = std::max(max_lst, lst_fehler);
        aberration_dazu(ut1, dtt, rekt, dekl);
        const double zenit_fehler = winkel(r, d, rekt, dekl);
        EXPECT_LT(zenit_fehler, 1.0) << "UT1 " << ut1 << " at " << breite << ", " << laenge;
        max_zenit = std::max(max_zenit, zenit_fehler);
    }
    std::fclose(datei);
    EXPECT_GE(zeilen, 1000);
    std::printf("sidereal time: max %.4f s; zenith: max %.3f arcsec over %d moments\n", max_lst, max_zenit,
                zeilen);
}

TEST(Vergleich, BuergerlicheZeitWieZoneinfoAnJedemUebergang) {
    FILE* z = std::fopen(VARNIS_TEST_DATA "/Zonen.dat", "rb");
    ASSERT_NE(z, nullptr);
    Zonen zonen;
    ASSERT_EQ(zonen_lesen(z, zonen), ZEIT_OK);
    std::fclose(z);

    FILE* datei = std::fopen(REFERENZ_ORDNER "/zonen.txt", "r");
    ASSERT_NE(datei, nullptr) << "referenz.py writes it (test zeit_referenz)";
    char name[64], abk[16];
    Datum d;
    Uhrzeit u;
    long long utc_erwartet;
    int versatz, zeilen = 0, fehler = 0;
    while (std::fscanf(datei, "%63s %d %d %d %d %d %lld %d %15s", name, &d.jahr, &d.monat, &d.tag, &u.stunde,
                       &u.minute, &utc_erwartet, &versatz, abk) == 9) {
        ++zeilen;
        const int32_t zone = zonen.zone_index(name);
        ASSERT_GE(zone, 0) << name;
        int64_t utc = 0;
        ASSERT_EQ(utc_aus_ortszeit(zonen, zone, d, u, utc), ZEIT_OK);
        ZonenAngabe a{};
        ASSERT_EQ(zone_angabe(zonen, zone, utc, a), ZEIT_OK);
        Datum d2{};
        Uhrzeit u2{};
        ASSERT_EQ(ortszeit_aus_utc(zonen, zone, utc, d2, u2, nullptr), ZEIT_OK);
        const bool gleich = utc == utc_erwartet && a.versatz == versatz && std::strcmp(a.abk, abk) == 0;
        // Back to civil time: the same minute, unless it was skipped.
        const bool zurueck = (d2.jahr == d.jahr && d2.monat == d.monat && d2.tag == d.tag &&
                              u2.stunde == u.stunde && u2.minute == u.minute) ||
                             utc_erwartet + versatz != tage_seit_1970(d) * 86400 + u.stunde * 3600 + u.minute * 60;
        if (!gleich || !zurueck) {
            if (++fehler <= 20)
                ADD_FAILURE() << name << " " << d.jahr << "-" << d.monat << "-" << d.tag << " " << u.stunde << ":"
                              << u.minute << ": " << utc << " " << a.versatz << " " << a.abk << ", zoneinfo "
                              << utc_erwartet << " " << versatz << " " << abk;
        }
    }
    std::fclose(datei);
    EXPECT_EQ(fehler, 0);
    EXPECT_GT(zeilen, 10000);
    std::printf("civil times compared with zoneinfo: %d\n", zeilen);
}

}  // namespace
