// Texture files: d_LoadTex32x32 with its colour key, and the atlas that packs the
// number textures so a whole flying number is one draw.
#pragma once

#include <string>
#include <vector>

#include "platform/image.h"
#include "render/gl_device.h"
#include "render/render_log.h"

namespace zembrol::render {

// Opaque black becomes transparent (colour key 0xFF000000): exactly (0, 0, 0, 255).
void ApplyColorKey(platform::RgbaImage* image);

// Reads an image file with the colour key applied. An empty path is reported as
// a file not found for the player (the alert); a missing or broken file logs
// "CreateTextureFromFile(<path>) - <reason>" as failed. False in both cases.
bool LoadTextureImage(const std::string& path, platform::RgbaImage* out, const RenderReports& report);

// d_LoadTex32x32: the file as a GL texture; on failure the texture is left empty
// (drawn untextured) and false is returned.
bool d_LoadTex32x32(GlTexture* texture, const std::string& path, const RenderReports& report);

// A horizontal strip of equal square tiles of `tile` pixels; each image is scaled
// into its tile (nearest texel); a missing image leaves its tile transparent.
platform::RgbaImage PackTiles(const std::vector<platform::RgbaImage>& images, int tile);

}  // namespace zembrol::render
