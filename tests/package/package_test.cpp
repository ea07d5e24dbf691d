#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/x_server.h"

namespace colvexa::test {
namespace {

namespace fs = std::filesystem;

// What the command prints on stdout; empty when it fails.
std::string Output(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    char buffer[4096];
    for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) {
        out.append(buffer, n);
    }
    return out;
}

std::string Field(const std::string& name) {
    return Output(std::string("dpkg-deb -f '") + COLVEXA_DEB + "' " + name);
}

TEST(Package, NamesWhatTheProgramLoadsAtRunTime) {
    const std::string depends = Field("Depends");
    // From dpkg-shlibdeps: the libraries the program links.
    for (const char* library : {"libc6", "libqt6widgets6", "libqt6gui6", "libxcb1"}) {
        EXPECT_NE(depends.find(library), std::string::npos) << library << " in " << depends;
    }
    // Loaded by name, which no linker sees: the xcb platform plugin and the windows' fonts.
    for (const char* package :
         {"qt6-qpa-plugins", "fonts-dejavu-core", "fonts-dejavu-extra", "fonts-liberation2"}) {
        EXPECT_NE(depends.find(package), std::string::npos) << package << " in " << depends;
    }
    EXPECT_EQ(Field("Package"), "colvexa\n");
    EXPECT_EQ(Field("Version"), "1.0\n");
}

// A scratch folder removed with everything in it.
struct ScratchRoot {
    ScratchRoot() {
        char name[] = "/tmp/colvexa-deb-XXXXXX";
        path = mkdtemp(name) != nullptr ? name : "";
    }
    ~ScratchRoot() {
        if (!path.empty()) {
            fs::remove_all(path);
        }
    }
    fs::path path;
};

TEST(Package, ProgramUnpackedFromItShowsItsWindow) {
    ScratchRoot root;
    ASSERT_FALSE(root.path.empty());
    const std::string unpack =
        std::string("dpkg -x '") + COLVEXA_DEB + "' '" + root.path.string() + "'";
    ASSERT_EQ(std::system(unpack.c_str()), 0) << unpack;
    for (const char* file : {"usr/bin/colvexa", "usr/share/applications/colvexa.desktop",
                             "usr/share/metainfo/com.example.colvexa.metainfo.xml",
                             "usr/share/icons/hicolor/48x48/apps/colvexa.png"}) {
        EXPECT_TRUE(fs::exists(root.path / file)) << file;
    }

    XServer server({.window_manager = true});
    setenv("XDG_RUNTIME_DIR", "/tmp", 0);
    ChildProcess program({(root.path / "usr/bin/colvexa").string()}, {});
    std::optional<Rect> window;
    EXPECT_TRUE(server.WaitUntil([&] {
        return (window = server.ViewableWindowOfSize(154, 213)).has_value();
    })) << "no 154 x 213 window";
    EXPECT_TRUE(program.Running());
    program.Stop();
}

}  // namespace
}  // namespace colvexa::test
