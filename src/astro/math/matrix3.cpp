#include "astro/math/matrix3.h"
#include "astro/math/angles.h"

#include "astro/sky/frames.h"

#include <cmath>

namespace {


}  // namespace

Matrix3::Matrix3(double m00, double m01, double m02, double m10, double m11, double m12,
                 double m20, double m21, double m22)
    : m{m00, m01, m02, m10, m11, m12, m20, m21, m22}
{
}

Vector3 Matrix3::Apply(const Vector3& v) const
{
    return {m[0] * v.x + m[1] * v.y + m[2] * v.z, m[3] * v.x + m[4] * v.y + m[5] * v.z,
            m[6] * v.x + m[7] * v.y + m[8] * v.z};
}

Matrix3 Matrix3::Transposed() const
{
    return Matrix3(m[0], m[3], m[6], m[1], m[4], m[7], m[2], m[5], m[8]);
}

Matrix3 Matrix3::operator*(const Matrix3& b) const
{
    Matrix3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.m[3 * i + j] =
                m[3 * i] * b.m[j] + m[3 * i + 1] * b.m[3 + j] + m[3 * i + 2] * b.m[6 + j];
    return r;
}

void Matrix3::ToGL4x4(double out[16]) const
{
    for (int k = 0; k < 16; ++k)
        out[k] = 0.0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out[4 * j + i] = m[3 * i + j];
    out[15] = 1.0;
}

void Matrix3::ToGL4x4(float out[16]) const
{
    double d[16];
    ToGL4x4(d);
    for (int k = 0; k < 16; ++k)
        out[k] = static_cast<float>(d[k]);
}

void Multiply(Matrix3& a, const Matrix3& b)
{
    a = a * b;
}

Matrix3 HorizontalMatrix(const SkyTime& lst, double latitude)
{
    const double theta = lst.time.hours * kHoursToRad;
    const double st = std::sin(theta), ct = std::cos(theta);
    const double sf = std::sin(latitude), cf = std::cos(latitude);
    return Matrix3(-ct * sf, -st * sf, cf,  //
                   -st, ct, 0.0,            //
                   ct * cf, st * cf, sf);
}

Matrix3 GalacticMatrix()
{
    return Matrix3(-0.0669887, -0.8727558, -0.4835389,  //
                   0.4927285, -0.4503470, 0.7445846,    //
                   -0.8676008, -0.1883746, 0.4601998);
}

Matrix3 GalacticToEquatorialMatrix()
{
    return GalacticMatrix().Transposed();
}

Matrix3 EclipticToEquatorialMatrix(const SkyTime& t)
{
    const double eps = Obliquity(t);
    const double se = std::sin(eps), ce = std::cos(eps);
    return Matrix3(1.0, 0.0, 0.0,  //
                   0.0, ce, -se,   //
                   0.0, se, ce);
}

Matrix3 GalacticToHorizontalMatrix(const SkyTime& lst, double latitude)
{
    return HorizontalMatrix(lst, latitude) * GalacticToEquatorialMatrix();
}

Matrix3 EclipticToHorizontalMatrix(const SkyTime& lst, double latitude, const SkyTime& t)
{
    return HorizontalMatrix(lst, latitude) * EclipticToEquatorialMatrix(t);
}

Matrix3 PrecessionMatrix(double fromYear, double toYear)
{
    const double c = (fromYear - 1900.0) / 1000.0;
    const double t = (toYear - fromYear) / 1000.0;
    const double t2 = t * t, t3 = t2 * t;
    // Angles in arcseconds.
    const double zetaAs =
        t * (23042.53 + 139.75 * c + 0.06 * c * c) + t2 * (30.23 - 0.27 * c) + 18.0 * t3;
    const double zAs = zetaAs + t2 * (79.27 + 0.66 * c) + 0.32 * t3;
    const double thetaAs =
        t * (20046.85 - 85.33 * c - 0.37 * c * c) - t2 * (42.67 + 0.37 * c) - 41.8 * t3;
    const double zeta = zetaAs * kArcsecToRad, z = zAs * kArcsecToRad,
                 theta = thetaAs * kArcsecToRad;
    const double cs = std::cos(zeta), ss = std::sin(zeta);
    const double cz = std::cos(z), sz = std::sin(z);
    const double ct = std::cos(theta), st = std::sin(theta);
    return Matrix3(cs * ct * cz - ss * sz, -ss * ct * cz - cs * sz, -st * cz,  //
                   cs * ct * sz + ss * cz, -ss * ct * sz + cs * cz, -st * sz,  //
                   cs * st, -ss * st, ct);
}

Matrix3 GalacticJ2000Matrix()
{
    return Matrix3(-0.054875560416215368, -0.873437090234885049, -0.483835015548713227,
                   +0.494109427875583674, -0.444829629960011178, +0.746982244497218891,
                   -0.867666149019004701, -0.198076373431201528, +0.455983776175066922);
}

Matrix3 GalacticToJ2000Matrix()
{
    return GalacticJ2000Matrix().Transposed();
}
