// The field point under the pointer: where the ray through a pixel of the 3D view
// meets the field's plane z = 0, for the camera the frame is drawn with.
#pragma once

#include <glm/glm.hpp>

namespace zembrol::render {

// False when the ray runs parallel to the field or meets it behind the eye.
bool FieldPointUnderPointer(const glm::vec3& eye, const glm::vec3& lookAt, const glm::vec3& up, float fov,
                            float viewWidth, float viewHeight, float px, float py, glm::vec2* out);

}  // namespace zembrol::render
