// The shared camera of the view's layers.
#include "render/scene_kit.h"

#include <glm/gtc/matrix_transform.hpp>

namespace zembrol::render {

void SceneKit::ApplyCamera() {
    const glm::mat4 viewMatrix = glm::lookAtLH(eye, lookAt, up);
    const glm::mat4 projection = glm::perspectiveLH_NO(fov, Aspect(view), 0.1f, 10000.0f);
    device.SetViewProjection(viewMatrix, projection, eye);
    viewProj = projection * viewMatrix;
}

}  // namespace zembrol::render
