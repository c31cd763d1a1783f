#pragma once

namespace zel::devsim {

struct UtcTime {
    double seconds_of_day = 0.0;  // 0 <= s < 86400
    int day = 1;
    int month = 1;
    int year = 2026;
};

// A straight walk from a start point at a steady speed.
struct Walk {
    double start_latitude = 48.1173;   // degrees, north positive
    double start_longitude = 11.5167;  // degrees, east positive
    double heading = 45.0;             // degrees clockwise from north
    double speed = 1.0;                // metres per second
    double start_easting = 500000.0;   // grid position of the start point, metres
    double start_northing = 5000000.0;
};

struct TrackPoint {
    double latitude;
    double longitude;
    double easting;
    double northing;
};

// Where the walk is `seconds` after its start. Over a survey's few kilometres a local flat
// projection is precise enough for a simulated receiver.
TrackPoint walk_position(const Walk& walk, double seconds);

// The time `seconds` after `start`, wrapping at midnight (the date moves on by one day).
UtcTime advance(const UtcTime& start, double seconds);

}  // namespace zel::devsim
