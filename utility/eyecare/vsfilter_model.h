// The EyeCare Filter dialog's behaviour without the window: the picture list (none, the default
// pictures, a file of the user's), the opacity and luminance sliders, Restore Default, and what
// OK stores and Cancel puts back. Every change is previewed at once on the real overlays and
// gamma ramps through the screen filter; the Win32 dialog turns notifications into calls of
// this model and shows what it asks through VSFilterView.
#pragma once

#include "utility/eyecare/def_filter_file.h"
#include "utility/eyecare/filter_rules.h"
#include "utility/eyecare/screen_filter.h"
#include "utility/settings/registry.h"
#include "utility/ui/string_table.h"

#include <string>
#include <vector>

class VSFilterView {
  public:
    virtual ~VSFilterView() = default;
    // Fills the picture box and selects line `selected`.
    virtual void SetImageList(const std::vector<std::string>& lines, int selected) = 0;
    virtual void SelectImage(int index) = 0;
    virtual void SetPathText(const std::string& path) = 0;
    // Both sliders and their value boxes: Transmittance in percent, the luminance offset.
    virtual void ShowValues(int percent, int luminance) = 0;
    virtual void Enable(const FilterEnabling& enabling) = 0;
    // The open-file dialog; true with the chosen file in `path` after OK.
    virtual bool BrowseFile(const std::string& defaultExtension, const std::string& filter,
                            std::string& path) = 0;
    // A warning in a message box (the exclamation icon).
    virtual void ShowWarning(const std::string& text) = 0;
};

// Where the model finds its files and texts.
struct VSFilterSources {
    const CXMLHandler& xml;
    const FilterTextCodec& codec;
    const std::string& dataFolder; // ends with "\"
    const StringTable& strings;
};

class VSFilterModel {
  public:
    VSFilterModel(VSFilterView& view, RegistryPort& registry, const VSFilterSources& sources,
                  FilterSettings& applied, ScreenFilter& filter);
    VSFilterModel(const VSFilterModel&) = delete;
    VSFilterModel& operator=(const VSFilterModel&) = delete;

    // The dialog's window exists: the default pictures read, the applied filter shown.
    void Open();
    // The user picked line `index` of the picture box.
    void ImageSelected(int index);
    // "Browse...".
    void Browse();
    void AlphaSlider(int percent);
    void LuminanceSlider(int position);
    void RestoreDefault();
    // OK: the working settings stored and applied program-wide; false when the registry did not
    // take all of them.
    bool Save();
    // Cancel, the system close, and an ending forced by a display change: what was applied
    // before the dialog is shown again.
    void Restore();
    // After resume or unlock: the previewed luminance again, from the identity ramp.
    void Reapply();

    const FilterSettings& Working() const { return m_working; }
    const std::vector<StdImageData>& Images() const { return m_images; }

  private:
    int LastLine() const { return static_cast<int>(m_images.size()) + 1; }
    // "Image<n>" for default picture `index`.
    std::string ImageName(int index) const;
    bool LoadPicture(const std::string& path, int fileType, int defaultIndex);
    void ShowValues();

    VSFilterView& m_view;
    CRegistry m_registry;
    VSFilterSources m_sources;
    FilterSettings& m_applied;
    ScreenFilter& m_filter;

    std::vector<StdImageData> m_images;
    FilterSettings m_working;
    int m_defaultIndex = -1; // the default picture last chosen
    int m_appliedIndex = -1; // the applied filter's default picture
    int m_line = 0;          // the picture box's line
};
