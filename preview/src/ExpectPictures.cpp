// Pictures of frames compared with expected pictures kept beside the
// scenario. Rendering is exact on one machine but blending and font edges may
// move by a step or two elsewhere, so channels compare within a tolerance and
// a few stray pixels pass. With VTX_UPDATE_SNAPSHOTS=1 in the environment the
// expected pictures are written instead (scripts/update-snapshots.sh).
#include <cstdlib>

#include "CommandTable.h"
#include "PictureOps.h"

namespace vtxpreview {

namespace fs = std::filesystem;

std::optional<PictureRegion> pictureRegionArgs(const Args& args) {
    if (args.count() != 1 && args.count() != 5)
        throw ArgError(args.name() + " takes FILE.png, or FILE.png X Y W H, got " + std::to_string(args.count()) +
                       " arguments");
    if (args.count() == 1)
        return std::nullopt;
    return PictureRegion{static_cast<int>(args.integer(1, 0, 100'000)), static_cast<int>(args.integer(2, 0, 100'000)),
                         static_cast<int>(args.integer(3, 1, 100'000)), static_cast<int>(args.integer(4, 1, 100'000))};
}

Picture lastPicture(Session& session, const std::string& command, const std::optional<PictureRegion>& region) {
    Picture picture;
    try {
        picture = session.picture();
    } catch (const std::runtime_error& error) {
        throw RunError(command + ": " + error.what());
    }
    if (region)
        picture = crop(picture, region->x, region->y, region->width, region->height);
    return picture;
}

namespace {

constexpr int kChannelTolerance = 8;
constexpr double kStrayShare = 0.001; // of the pixels

bool updating() {
    const char* value = std::getenv("VTX_UPDATE_SNAPSHOTS");
    return value && std::string(value) == "1";
}

// The picture found and the differences, in the working folder, for a look.
std::string keepEvidence(const fs::path& expected, const Picture& found, const PictureDifference& difference) {
    const std::string stem = expected.stem().string();
    std::string error, kept = stem + ".found.png";
    writePng(stem + ".found.png", found, error);
    if (!difference.marked.empty() && writePng(stem + ".diff.png", difference.marked, error))
        kept += " and " + stem + ".diff.png";
    return kept;
}

void compareWithExpected(Session& session, const fs::path& expected, const Picture& found) {
    Picture want;
    std::string error;
    if (!readPng(expected, want, error)) {
        session.expect(false, error + " (VTX_UPDATE_SNAPSHOTS=1 writes it)");
        return;
    }
    const PictureDifference difference = comparePictures(found, want, kChannelTolerance);
    if (!difference.sameSize) {
        session.expect(false, "expected a " + std::to_string(want.width) + "x" + std::to_string(want.height) +
                                  " picture like " + expected.string() + ", found " + std::to_string(found.width) +
                                  "x" + std::to_string(found.height) + "; kept " +
                                  keepEvidence(expected, found, difference));
        return;
    }
    const auto allowed = static_cast<long long>(kStrayShare * want.width * want.height);
    if (difference.differing <= allowed) {
        session.expect(true, "");
        return;
    }
    session.expect(false, std::to_string(difference.differing) + " pixels differ from " + expected.string() +
                              " by up to " + std::to_string(difference.largest) +
                              " (allowed: " + std::to_string(allowed) + " beyond " + std::to_string(kChannelTolerance) +
                              "); kept " + keepEvidence(expected, found, difference));
}

Action prepareExpectSnapshot(const Args& args, const CompileContext& context) {
    return [expected = context.fromScenario(args.text(0)), region = pictureRegionArgs(args)](Session& session) {
        const Picture found = lastPicture(session, "expect snapshot", region);
        if (!updating()) {
            compareWithExpected(session, expected, found);
            return;
        }
        std::string error;
        if (!writePng(expected, found, error))
            throw RunError(error);
        session.out() << "# updated " << expected.string() << '\n';
    };
}

} // namespace

std::vector<CommandSpec> expectPictureCommands() {
    return {
        {"expect snapshot", "FILE.png [X Y W H]",
         "the last frame (or its part X Y W H) looks like FILE.png beside the scenario, within a small tolerance",
         HostUse::Starts, prepareExpectSnapshot},
    };
}

} // namespace vtxpreview
