#include "album/OutputCheck.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace vistarel;

TEST(OutputCheck, PhotosWritingOneNameInEitherCase) {
    const struct {
        std::vector<std::string> photos;
        bool ignoringCase;
        std::vector<std::string> clashes;
    } cases[] = {
        {{"x.jpg", "sm_x.jpg", "y.jpg"}, false, {"x.jpg a sm_x.jpg"}},
        {{"a.jpg", "A.jpg", "sm_a.JPG"}, false, {}},
        {{"a.jpg", "A.jpg", "sm_a.JPG"}, true, {"a.jpg a A.jpg", "a.jpg a sm_a.JPG"}},
        {{"SM_B.JPG", "b.jpg"}, true, {"SM_B.JPG a b.jpg"}},
        {{"Žába.jpg", "žába.JPG", "\xC1.jpg", "\xE1.jpg"}, true, {"Žába.jpg a žába.JPG"}},
    };
    for (const auto& c : cases) {
        PhotoCatalogue catalogue;
        for (const auto& name : c.photos)
            catalogue.push_back(PhotoRecord{name, {}, 0, 0, 0, 0, {}});
        EXPECT_EQ(photosWritingOneName(catalogue, c.ignoringCase), c.clashes) << c.photos[0];
    }
    // The temp folder tells case apart; that the probe leaves nothing shows in the CLI test.
    EXPECT_FALSE(folderIgnoresCase(vistarel::testing::TempFolder().path()));
}
