// The screenshot tests' fixture: the real program plays a script in its window (SDL's
// offscreen driver, whose frames are the same run to run) and the 3D view's last frame
// is loaded for the test to read; the pictures stay in the build folder to look at.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <iostream>
#include <string>
#include <vector>

#include "platform/image.h"
#include "render/view_layout.h"
#include "temp_dir.h"

namespace zembrol::render {

namespace fs = std::filesystem;

class Screenshot : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(ZEMBROL_BUILD_DIR "/data", dir_ / "data", fs::copy_options::recursive);
        fs::copy_file(ZEMBROL_BUILD_DIR "/lang.txt", dir_ / "lang.txt");
        for (const auto& e : fs::directory_iterator(dir_ / "data"))
            if (e.path().filename().string().rfind("Load_", 0) == 0) fs::remove(e.path());
        ShippedSettings();
        fs::create_directories(ZEMBROL_SHOTS_DIR);
    }

    // The shipped settings again: a run saves what it changed when it closes.
    void ShippedSettings() {
        fs::remove_all(dir_ / "data/set");
        fs::copy(ZEMBROL_SOURCE_DIR "/data/set", dir_ / "data/set", fs::copy_options::recursive);
    }

    // Plays the script (settings that keep the check readable first) and loads the
    // screenshot, kept under the build folder for a person to look at.
    // `env` is put before the program (VARIABLE=value ...).
    platform::RgbaImage Shot(const std::string& name, const std::string& script, const std::string& options = "",
                             int frames = 3, const std::string& env = "") {
        dir_.Write("script.txt",
                   "set iFantom 0\nset gr_VisibleLights 0\nset iBeSnake 0\nset g_SkinIndex 1\n" + script);
        const std::string png = std::string(ZEMBROL_SHOTS_DIR) + "/" + name + ".png";
        fs::remove(png);
        const std::string cmd = env + " SDL_VIDEODRIVER=offscreen '" ZEMBROL_EXE "' --root '" + dir_.Path() +
                                "' --seed 5 --dpi 96 --answer ok --script '" + (dir_ / "script.txt") +
                                "' --screenshot '" + png + "' --frames " + std::to_string(frames) + " " + options + " > '" + (dir_ / "out.txt") + "' 2>&1";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << dir_.Read("out.txt");
        platform::RgbaImage img;
        std::string error;
        EXPECT_TRUE(platform::LoadImageRgba(png, &img, &error)) << error << "\n" << dir_.Read("out.txt");
        std::cout << "screenshot: " << png << "\n";
        return img;
    }

    // Where the home camera puts the centre of a cell's front face in the view.
    static glm::ivec2 CellPixel(int column, int row, const platform::RgbaImage& img) {
        const glm::mat4 view = glm::lookAtLH(glm::vec3(11.05f, 14.5f, 127.0f), glm::vec3(11.05f, 14.5f, 0), glm::vec3(0, -1, 0));
        const glm::mat4 proj = glm::perspectiveLH_NO(3.14159f / 11, static_cast<float>(img.width) / img.height, 0.1f, 10000.0f);
        const glm::vec4 clip = proj * view * glm::vec4(column, row, 0.5f, 1);
        const glm::vec2 ndc = glm::vec2(clip) / clip.w;
        return {static_cast<int>((ndc.x + 1) / 2 * img.width), static_cast<int>((1 - ndc.y) / 2 * img.height)};
    }

    // The red channel tells a cell (grey under warm white light) from the blue backdrop.
    static int Red(const platform::RgbaImage& img, glm::ivec2 p) {
        return img.pixels[(static_cast<size_t>(p.y) * static_cast<size_t>(img.width) + static_cast<size_t>(p.x)) * 4];
    }

    // Cells of rows `top`..30 show exactly where the field has them.
    void ExpectField(const platform::RgbaImage& img, const std::vector<std::string>& rows, int top) {
        for (int r = top; r <= 30; ++r) {
            const std::string& pattern = rows[static_cast<size_t>(r - top)];
            for (int k = 0; k < 15; ++k) {
                const int red = Red(img, CellPixel(4 + k, r, img));
                if (pattern[static_cast<size_t>(k)] == '1') EXPECT_GT(red, 100) << "cell " << 4 + k << "," << r;
                else EXPECT_LT(red, 75) << "empty " << 4 + k << "," << r;
            }
        }
    }

    // Pixels of a rectangle of the view brighter than a dim backdrop (any channel above 150).
    static int Bright(const platform::RgbaImage& img, glm::ivec2 from, glm::ivec2 to) {
        int n = 0;
        for (int y = std::max(from.y, 0); y < std::min(to.y, img.height); ++y)
            for (int x = std::max(from.x, 0); x < std::min(to.x, img.width); ++x) {
                const size_t k = (static_cast<size_t>(y) * static_cast<size_t>(img.width) + static_cast<size_t>(x)) * 4;
                n += std::max({img.pixels[k], img.pixels[k + 1], img.pixels[k + 2]}) > 150;
            }
        return n;
    }

    // The start-up log of the last run.
    std::string StartLog() {
        for (const auto& e : fs::directory_iterator(dir_ / "data"))
            if (e.path().filename().string().rfind("Load_", 0) == 0) return dir_.Read("data/" + e.path().filename().string());
        return {};
    }

    // Pixels of two pictures of one size that differ by more than 30 in a channel.
    static int Differing(const platform::RgbaImage& a, const platform::RgbaImage& b) {
        int n = 0;
        for (size_t k = 0; k + 3 < std::min(a.pixels.size(), b.pixels.size()); k += 4)
            for (size_t c = 0; c < 3; ++c)
                if (std::abs(a.pixels[k + c] - b.pixels[k + c]) > 30) {
                    ++n;
                    break;
                }
        return n;
    }

    testing::TempDir dir_;
};

}  // namespace zembrol::render
