// The camera's resting view (eye, look-at point, view angle) that the frame builds
// its view from, and the home view set at start-up.
#pragma once

namespace zembrol {

struct Vec3 {
    float x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator/(Vec3 a, float k) { return {a.x / k, a.y / k, a.z / k}; }
inline Vec3 operator*(Vec3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }

struct CameraView {
    Vec3 eye, lookAt;
    float angle = 0;  // the view angle (field of view) of the projection
};

// The home view: the whole field and its side panels, straight on.
inline CameraView HomeView() {
    return CameraView{{11.05f, 14.5f, 127.0f}, {11.05f, 14.5f, 0.0f}, 3.14159f / 11.0f};
}

}  // namespace zembrol
