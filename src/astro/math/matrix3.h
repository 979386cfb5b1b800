#pragma once

#include "astro/time/skytime.h"
#include "astro/math/vector3.h"

// A 3 x 3 rotation, row-major: the element at row i, column j is m[3i + j].
class Matrix3 {
public:
    Matrix3() = default;  // the identity
    Matrix3(double m00, double m01, double m02, double m10, double m11, double m12, double m20,
            double m21, double m22);
    Matrix3(const Matrix3&) = default;
    Matrix3& operator=(const Matrix3&) = default;

    static Matrix3 Identity() { return Matrix3(); }

    double Element(int i, int j) const { return m[3 * i + j]; }
    double& Element(int i, int j) { return m[3 * i + j]; }

    // This matrix times a column vector.
    Vector3 Apply(const Vector3& v) const;
    Matrix3 Transposed() const;
    Matrix3 operator*(const Matrix3& b) const;

    // Column-major 4 x 4 rendering matrix: out[4j + i] = element (i, j), zero elsewhere,
    // 1 in the last diagonal entry.
    void ToGL4x4(double out[16]) const;
    void ToGL4x4(float out[16]) const;

    double m[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
};

// The ordinary product a x b (row i of a with column j of b), written into a.
void Multiply(Matrix3& a, const Matrix3& b);

// Equatorial to horizontal vectors (x north, y east, z zenith) for a local sidereal time
// (lst.hours * pi/12) and latitude (radians): rows (-cos t sin f, -sin t sin f, cos f),
// (-sin t, cos t, 0), (cos t cos f, sin t cos f, sin f). Same map as EquatorialToHorizontal.
Matrix3 HorizontalMatrix(const SkyTime& lst, double latitude);

// B1950 equatorial to galactic rotation (IAU 1958 pole at RA 192.25, Dec 27.4 deg).
Matrix3 GalacticMatrix();
// J2000 (ICRS) equatorial to galactic rotation: the IAU galactic pole and centre as
// transferred to the ICRS by the Hipparcos catalogue (ESA 1997, vol. 1, sect. 1.5.3), the
// matrix of eraIcrs2g.
Matrix3 GalacticJ2000Matrix();
// Its transpose: galactic to J2000 equatorial vectors.
Matrix3 GalacticToJ2000Matrix();
// Transpose of GalacticMatrix: galactic to B1950 equatorial vectors.
Matrix3 GalacticToEquatorialMatrix();

// Ecliptic of date to equatorial vectors: rows (1,0,0), (0,cos e,-sin e), (0,sin e,cos e),
// e = Obliquity(t).
Matrix3 EclipticToEquatorialMatrix(const SkyTime& t);

// HorizontalMatrix(lst, latitude) x GalacticToEquatorialMatrix().
Matrix3 GalacticToHorizontalMatrix(const SkyTime& lst, double latitude);

// HorizontalMatrix(lst, latitude) x EclipticToEquatorialMatrix(t).
Matrix3 EclipticToHorizontalMatrix(const SkyTime& lst, double latitude, const SkyTime& t);

// Precession of equatorial vectors from epoch fromYear to epoch toYear (fractional years):
// Newcomb's angles zeta, z, theta as polynomials in thousands of years, with the starting
// epoch counted from 1900 (within 2.5" of the IAU 1976 precession over 1875-2100);
// identity when both years are equal.
Matrix3 PrecessionMatrix(double fromYear, double toYear);
