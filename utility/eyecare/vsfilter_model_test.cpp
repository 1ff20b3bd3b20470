// The EyeCare Filter dialog's user paths on recording overlays, gamma devices in memory and an
// in-memory registry: a default picture chosen, adjusted and stored; Cancel putting back what was
// applied; the user's own files; pictures that cannot be read.
#include "sim/sim_clock.h"
#include "utility/eyecare/filter_rules.h"
#include "utility/eyecare/testing/ascii_codec.h"
#include "utility/eyecare/testing/fake_overlays.h"
#include "utility/eyecare/vsfilter_model.h"
#include "utility/monitor/testing/fake_gamma_port.h"
#include "utility/settings/settings_keys.h"
#include "utility/settings/testing/registry_memory.h"
#include "xml/testing/test_document.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class Strings : public StringTable {
  public:
    std::string Load(std::uint32_t id) const override {
        static const std::map<std::uint32_t, std::string> texts = {
            {210, "None"},
            {211, "Image%d"},
            {212, "Select File"},
            {215, "Failed to import %s."},
            {216, "Failed to import %s file."}};
        const auto found = texts.find(id);
        return found != texts.end() ? found->second : "s" + std::to_string(id);
    }
};

struct View : VSFilterView {
    void SetImageList(const std::vector<std::string>& l, int s) override { lines = l, line = s; }
    void SelectImage(int index) override { line = index; }
    void SetPathText(const std::string& p) override { path = p; }
    void ShowValues(int p, int l) override { percent = p, luminance = l; }
    void Enable(const FilterEnabling& e) override { enabling = e; }
    bool BrowseFile(const std::string&, const std::string& f, std::string& chosen) override {
        filter = f;
        chosen = nextFile;
        return !nextFile.empty();
    }
    void ShowWarning(const std::string& text) override { warnings.push_back(text); }

    std::vector<std::string> lines, warnings;
    int line = -1, percent = -1, luminance = -1;
    std::string path, filter, nextFile;
    FilterEnabling enabling;
};

class VSFilterTest : public testing::Test {
  protected:
    VSFilterTest() {
        for (const char* device : {"\\\\.\\DISPLAY1", "\\\\.\\DISPLAY2"}) {
            gammaPort.devices.emplace_back(device);
            auto monitor = std::make_unique<CMonitorStatus>();
            monitor->deviceName = device;
            monitors.monitors.push_back(std::move(monitor));
        }
        gammaList = BuildGammaDevices(gammaPort, clock);
        for (const char* known : {"amber.png", "paper.bmp", "dusk.jpg"})
            overlays.pictures[folder + known] = {64, 64};
        overlays.pictures["C:\\mine\\one.bmp"] = {32, 32};
        overlays.pictures["C:\\mine\\two.png"] = {32, 32};
        overlays.pictures["C:\\mine\\empty.png"] = {0, 10};
        filter.CreateOverlayWindows();
    }

    std::unique_ptr<VSFilterModel> Open() {
        auto model = std::make_unique<VSFilterModel>(view, registryPort, sources, applied, filter);
        model->Open();
        return model;
    }
    // Every overlay shows a picture at `alpha`, or every overlay is hidden (alpha -1).
    void ExpectOverlays(int alpha) {
        for (const auto& overlay : overlays.Live()) {
            EXPECT_EQ(overlay->shown, alpha >= 0);
            EXPECT_EQ(overlay->alpha, alpha < 0 ? 0 : alpha);
            if (alpha >= 0) {
                EXPECT_EQ(overlay->picture, filter.Image());
            }
        }
    }
    // The first entry of each device's last ramp: the luminance, or 0 for the start-up ramp.
    void ExpectRampStart(int start) {
        for (const FakeDevice& device : gammaPort.devices) {
            ASSERT_FALSE(device.written.empty());
            EXPECT_EQ(device.written.back()[0], start) << device.name;
        }
    }
    std::uint32_t Stored(const char* name, const std::string& picture = {}) const {
        std::uint32_t value = 0xDEAD;
        const std::string key =
            picture.empty() ? kVSFilterKey.data() : KeyPath(kVSFilterKey.data(), picture);
        registry.ReadDword(name, value, key.c_str());
        return value;
    }

    const std::string folder = std::string(EYECARE_TESTDATA_DIR) + "/mixed/";
    SimTrace trace;
    SimClock clock{trace};
    FakeGammaPort gammaPort;
    GammaList gammaList;
    CMonitorStatusAll monitors;
    FakeOverlayPort overlays;
    FilterSettings applied;
    ScreenFilter filter{monitors, applied, overlays, gammaPort, clock, gammaList};
    MemoryRegistry registryPort;
    CRegistry registry{registryPort};
    Strings strings;
    const CXMLHandler xml{MakeTestXmlDocument};
    const FilterTextCodec codec = AsciiCodec();
    VSFilterSources sources{xml, codec, folder, strings};
    View view;
};

TEST_F(VSFilterTest, ADefaultPictureChosenAdjustedAndStored) {
    auto model = Open();
    EXPECT_EQ(view.lines, (std::vector<std::string>{"None", "Image1", "Image2", "Image3", "Image4",
                                                    "Select File"}));
    EXPECT_EQ(view.line, 0);
    EXPECT_FALSE(view.enabling.path || view.enabling.adjust);

    model->ImageSelected(1); // amber.png: 64, -20
    ExpectOverlays(64);
    ExpectRampStart(0); // -20 is clipped to 0 at the bottom of the ramp
    EXPECT_EQ(view.percent, 25);
    EXPECT_EQ(view.luminance, -20);
    EXPECT_TRUE(view.enabling.adjust);
    EXPECT_FALSE(view.enabling.path);

    model->AlphaSlider(50);
    model->LuminanceSlider(130);
    ExpectOverlays(128);
    ExpectRampStart(30);
    model->Save();
    EXPECT_EQ(Stored("On") & 0xFF, 1u) << "one byte";
    EXPECT_EQ(Stored("FileType"), 1u);
    EXPECT_EQ(Stored("Alpha"), 128u);
    EXPECT_EQ(Stored("Luminance"), 30u);
    EXPECT_EQ(Stored("ModAlpha", "amber.png"), 128u);
    EXPECT_EQ(Stored("ModLuminance", "amber.png"), 30u);
    EXPECT_EQ(applied.filePath, folder + "amber.png");

    model = Open(); // the stored picture is found again by its file name
    EXPECT_EQ(view.line, 1);
    EXPECT_EQ(view.percent, 50);
    model->RestoreDefault();
    ExpectOverlays(64);
    EXPECT_EQ(view.luminance, -20);
    model->Reapply();
    ExpectRampStart(0);
}

TEST_F(VSFilterTest, CancelPutsBackWhatWasApplied) {
    applied = {1, kFilterTypeDefault, folder + "amber.png", 100, 20};
    filter.CreateOverlayWindows();
    auto model = Open();
    model->ImageSelected(3); // dusk.jpg: the file's 900 and -250 held to 255 and -100
    ExpectOverlays(255);
    model->Restore();
    ExpectOverlays(100);
    ExpectRampStart(20);
    EXPECT_EQ(overlays.Live()[0]->picture, filter.Image());

    // The applied picture vanished meanwhile: the filter goes off for this run.
    model = Open();
    model->ImageSelected(2);
    overlays.pictures.erase(folder + "amber.png");
    model->Restore();
    EXPECT_EQ(applied.on, 0);
    ExpectOverlays(-1);
    ExpectRampStart(0);
    EXPECT_EQ(view.warnings, (std::vector<std::string>{"Failed to import Image1."}));
    EXPECT_EQ(Stored("FileType"), 0xDEADu) << "nothing stored";

    // Nothing applied before: whatever was previewed goes.
    model = Open();
    model->ImageSelected(2);
    model->Restore();
    ExpectOverlays(-1);
}

// A display change destroys the overlays and builds the gamma list again before the dialog
// hears of it (or before its deferred end): the ramps still go back to what was applied.
TEST_F(VSFilterTest, EndingAfterADisplayChangeTookTheOverlaysPutsTheRampsBack) {
    const FilterSettings rows[] = {{}, {1, kFilterTypeDefault, folder + "amber.png", 100, 20}};
    for (const FilterSettings& before : rows) {
        SCOPED_TRACE(before.on ? "a filter applied" : "none applied");
        applied = before;
        filter.CreateOverlayWindows();
        auto model = Open();
        model->ImageSelected(3);
        model->LuminanceSlider(150);
        ExpectRampStart(50);
        filter.DestroyOverlays();
        filter.BuildGammaList();
        model->Restore();
        ExpectRampStart(before.on ? 20 : 0);
        EXPECT_EQ(filter.AppliedLuminance(), before.on ? 20 : ScreenFilter::kNoFilterLuminance);
    }
}

TEST_F(VSFilterTest, TheUsersOwnFilesAndPicturesThatCannotBeRead) {
    auto model = Open();
    model->ImageSelected(4); // missing.png is listed but not there
    EXPECT_EQ(view.warnings, (std::vector<std::string>{"Failed to import Image4."}));
    EXPECT_EQ(view.line, 0);
    ExpectOverlays(-1);

    model->ImageSelected(5); // Select File
    EXPECT_TRUE(view.enabling.path);
    EXPECT_FALSE(view.enabling.adjust);
    view.nextFile = "C:\\mine\\one.bmp";
    model->Browse();
    EXPECT_EQ(view.path, "C:\\mine\\one.bmp");
    ExpectOverlays(kUserFileAlpha);
    EXPECT_EQ(view.percent, 25);
    model->AlphaSlider(10);
    view.nextFile = "C:\\mine\\two.png";
    model->Browse();
    ExpectOverlays(26); // a second file keeps the values set for the first
    for (const char* unreadable : {"C:\\mine\\gone.gif", "C:\\mine\\empty.png"}) {
        view.nextFile = unreadable;
        model->Browse();
        EXPECT_EQ(view.path, "");
        EXPECT_EQ(view.percent, 0);
        ExpectOverlays(-1);
        EXPECT_EQ(view.warnings.back(), "Failed to import " + std::string(unreadable) + " file.");
    }
    model->Save();
    EXPECT_EQ(Stored("On") & 0xFF, 0u) << "Select File without a file stores no filter";
    EXPECT_EQ(Stored("FileType"), 0u);

    applied = {1, kFilterTypeUserFile, "C:\\mine\\one.bmp", 64, 0};
    Open();
    EXPECT_EQ(view.line, 5);
    EXPECT_EQ(view.path, "C:\\mine\\one.bmp");
    // Applied and shown, but no longer listed: the dialog opens as none and the screen shows
    // none either. Cancel tries the picture again and names it when it is gone too.
    const std::string unlisted = "C:\\old\\unlisted.png";
    applied = {1, kFilterTypeDefault, unlisted, 64, 0};
    overlays.pictures[unlisted] = {64, 64};
    ASSERT_TRUE(filter.LoadPicture(unlisted));
    filter.ShowFilter(applied);
    ExpectOverlays(64);
    model = Open();
    EXPECT_EQ(view.line, 0) << "a picture no longer listed opens as none";
    EXPECT_FALSE(view.enabling.adjust);
    ExpectOverlays(-1);
    ExpectRampStart(0);
    overlays.pictures.erase(unlisted);
    model->Restore();
    EXPECT_EQ(view.warnings.back(), "Failed to import unlisted.png.");
}

} // namespace
