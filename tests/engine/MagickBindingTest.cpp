#include "Exceptions.h"
#include "ImageMagickAPI.h"
#include "MagickGeneral.h"
#include "MagickImage.h"
#include "Picture.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <set>
#include <string>

using namespace ImageMagickAPI;

namespace {

struct TFakeCounts {
    int* Initialize;
    int* Destroy;
    const char** ClientPath;
};

// Opens the stand-in library a second time to read its counters.
class MagickBindingTest : public ::testing::Test {
protected:
    void SetUp() override {
        FHandle = dlopen(ZV_FAKE_MAGICK, RTLD_NOW);
        ASSERT_NE(FHandle, nullptr);
        FCounts = {static_cast<int*>(dlsym(FHandle, "ZVFakeInitializeCalls")),
                   static_cast<int*>(dlsym(FHandle, "ZVFakeDestroyCalls")),
                   static_cast<const char**>(dlsym(FHandle, "ZVFakeClientPath"))};
        *FCounts.Initialize = 0;
        *FCounts.Destroy = 0;
        SetLibraryFileName(QStringLiteral(ZV_FAKE_MAGICK));
        ModuleStart();
    }
    void TearDown() override {
        ModuleEnd();
        SetLibraryFileName(QString::fromLatin1(DefaultLibraryFileName));
        dlclose(FHandle);
    }
    bool AnySlotSet() const {
        for (int i = 0; i < EntryCount; ++i)
            if (EntryAddress(static_cast<TMagickEntry>(i)))
                return true;
        return false;
    }

    void* FHandle = nullptr;
    TFakeCounts FCounts{};
};

TEST_F(MagickBindingTest, EntryTableHoldsEveryNameOnceInBindingOrder) {
    const auto& names = EntryNames();
    ASSERT_EQ(names.size(), 234u);
    EXPECT_STREQ(names.front(), "InitializeMagick");
    EXPECT_STREQ(names[static_cast<int>(TMagickEntry::GetExceptionInfo)], "GetExceptionInfo");
    EXPECT_STREQ(names.back(), "ImageToHBITMAP");
    std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size());
}

TEST_F(MagickBindingTest, LoadsAreCountedAndOnlyTheLastUnloadUnbinds) {
    EXPECT_TRUE(LoadMagickLibrary(QString()));
    EXPECT_TRUE(LoadMagickLibrary(QString()));
    EXPECT_EQ(*FCounts.Initialize, 1) << "a second load must not initialise again";
    ASSERT_NE(*FCounts.ClientPath, nullptr) << "an empty client path is still a text";
    EXPECT_EQ(LoadCount(), 2);
    EXPECT_NE(EntryAddress(TMagickEntry::ReadImage), nullptr);
    EXPECT_EQ(EntryAddress(TMagickEntry::WriteImages), nullptr)
        << "a missing name leaves its slot empty";

    EXPECT_FALSE(UnloadMagickLibrary());
    EXPECT_TRUE(IsLibraryLoaded());
    EXPECT_EQ(*FCounts.Destroy, 0);

    EXPECT_TRUE(UnloadMagickLibrary());
    EXPECT_FALSE(IsLibraryLoaded());
    EXPECT_EQ(*FCounts.Destroy, 1);
    EXPECT_FALSE(AnySlotSet());
    EXPECT_TRUE(UnloadMagickLibrary()) << "an extra unload only reports the unloaded state";
    EXPECT_EQ(LoadCount(), 0);
}

TEST_F(MagickBindingTest, ModuleEndBalancesOutstandingLoads) {
    EXPECT_TRUE(LoadMagickLibrary(QString()));
    EXPECT_TRUE(LoadMagickLibrary(QString()));
    ModuleEnd();
    EXPECT_EQ(*FCounts.Destroy, 1);
    ModuleStart();
    EXPECT_EQ(LoadCount(), 0);
    EXPECT_FALSE(IsLibraryLoaded());
}

TEST_F(MagickBindingTest, FailedLoadStillCountsAndReleasesNothing) {
    SetLibraryFileName(QStringLiteral("libzv-no-such-magick.so.6"));
    EXPECT_FALSE(LoadMagickLibrary(QString()));
    EXPECT_EQ(LoadCount(), 1);
    EXPECT_FALSE(IsLibraryLoaded());
    EXPECT_FALSE(AnySlotSet());
    ModuleEnd();
    ModuleStart();
    EXPECT_EQ(LoadCount(), 0);
    EXPECT_EQ(*FCounts.Initialize, 0);
    EXPECT_EQ(*FCounts.Destroy, 0);
}

TEST_F(MagickBindingTest, WithoutTheLibraryImagesCannotBeCreatedButFormatsAreRegistered) {
    ModuleEnd();
    SetLibraryFileName(QStringLiteral("libzv-no-such-magick.so.6"));
    TPictureFormats formats;
    RegisterToolkitFormats(formats);
    {
        TImageModule module(formats);
        EXPECT_FALSE(MagickLibraryLoaded());
        try {
            TMagickImage image;
            FAIL() << "an image object was created without the library";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("ImageMagick library not loaded"));
        }
        EXPECT_EQ(formats.DescriptionFor(QStringLiteral("png")), QStringLiteral("Imagick Format"));
        EXPECT_THROW(formats.LoadPicture(QStringLiteral("/tmp/x.png")), EInvalidGraphic);
    }
    ModuleStart();
    EXPECT_EQ(LoadCount(), 0);
}

} // namespace
