// Test support: overlays that record what they were asked to show, and pictures that decode
// from a table of known paths.
#pragma once

#include "utility/eyecare/screen_filter.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class FakeImage : public FilterImage {
  public:
    FakeImage(int width, int height) : m_width(width), m_height(height) {}
    int Width() const override { return m_width; }
    int Height() const override { return m_height; }

  private:
    int m_width;
    int m_height;
};

// What one overlay shows now; it outlives its overlay, so a test can see the overlay went.
struct OverlayRecord {
    DesktopRect desktop;
    const FilterImage* picture = nullptr;
    int alpha = -1;
    bool shown = false;
    int raised = 0;
    bool destroyed = false;
};

class FakeOverlay : public OverlayWindow {
  public:
    explicit FakeOverlay(std::shared_ptr<OverlayRecord> record) : m_record(std::move(record)) {}
    ~FakeOverlay() override { m_record->destroyed = true; }
    void SetPicture(const FilterImage* image) override { m_record->picture = image; }
    void SetAlpha(int alpha) override { m_record->alpha = alpha; }
    void Show(bool show) override { m_record->shown = show; }
    void RaiseToTop() override { ++m_record->raised; }

  private:
    std::shared_ptr<OverlayRecord> m_record;
};

class FakeOverlayPort : public OverlayPort {
  public:
    std::unique_ptr<OverlayWindow> CreateOverlay(const DesktopRect& desktop) override {
        auto record = std::make_shared<OverlayRecord>();
        record->desktop = desktop;
        created.push_back(record);
        return std::make_unique<FakeOverlay>(record);
    }
    std::unique_ptr<FilterImage> LoadImage(const std::string& path) override {
        const auto found = pictures.find(path);
        if (found == pictures.end())
            return nullptr;
        return std::make_unique<FakeImage>(found->second.first, found->second.second);
    }

    // The overlays not yet destroyed, in creation order.
    std::vector<std::shared_ptr<OverlayRecord>> Live() const {
        std::vector<std::shared_ptr<OverlayRecord>> live;
        for (const auto& record : created) {
            if (!record->destroyed)
                live.push_back(record);
        }
        return live;
    }

    std::map<std::string, std::pair<int, int>> pictures; // path -> width, height
    std::vector<std::shared_ptr<OverlayRecord>> created;
};
