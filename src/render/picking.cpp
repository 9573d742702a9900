// Pointer picking on the field plane.
#include "render/picking.h"

#include <cmath>
#include <glm/gtc/matrix_transform.hpp>

namespace zembrol::render {

bool FieldPointUnderPointer(const glm::vec3& eye, const glm::vec3& lookAt, const glm::vec3& up, float fov,
                            float viewWidth, float viewHeight, float px, float py, glm::vec2* out) {
    if (viewWidth <= 0 || viewHeight <= 0) return false;
    // The same view and projection as the frame's.
    const glm::mat4 view = glm::lookAtLH(eye, lookAt, up);
    const glm::mat4 projection = glm::perspectiveLH_NO(fov, viewWidth / viewHeight, 0.1f, 10000.0f);
    const glm::mat4 inverse = glm::inverse(projection * view);
    const float nx = 2 * px / viewWidth - 1, ny = 1 - 2 * py / viewHeight;
    glm::vec4 a = inverse * glm::vec4(nx, ny, -1, 1), b = inverse * glm::vec4(nx, ny, 1, 1);
    if (a.w == 0 || b.w == 0) return false;
    const glm::vec3 from = glm::vec3(a) / a.w, to = glm::vec3(b) / b.w;
    const float dz = to.z - from.z;
    if (std::fabs(dz) < 1e-6f) return false;
    const float t = -from.z / dz;
    if (t < 0) return false;
    const glm::vec3 hit = from + t * (to - from);
    *out = glm::vec2(hit.x, hit.y);
    return true;
}

}  // namespace zembrol::render
