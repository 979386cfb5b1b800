#pragma once

#include <array>

// The bodies of the solar system that Kosmira shows, in the order every list of them uses.
// The Earth is not a Body: positions are seen from it.
enum class Body : int {
    Sun = 0,
    Moon,
    Mercury,
    Venus,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto
};

constexpr int kBodyCount = 10;

// Every body, Sun first, in enum order.
constexpr std::array<Body, kBodyCount> kAllBodies = {
    Body::Sun,     Body::Moon,   Body::Mercury, Body::Venus,   Body::Mars,
    Body::Jupiter, Body::Saturn, Body::Uranus,  Body::Neptune, Body::Pluto};

constexpr int BodyIndex(Body b) { return static_cast<int>(b); }

// True for Mercury .. Pluto.
constexpr bool IsPlanet(Body b) { return BodyIndex(b) >= BodyIndex(Body::Mercury); }

// Lower-case English name ("sun", "moon", "mercury" ... "pluto"): the almanac's JSON key.
const char* BodyKey(Body b);
