#include "utility/eyecare/vsfilter_model.h"

#include "utility/eyecare/filter_rules.h"
#include "utility/settings/settings_keys.h"

#include <cstdint>

namespace {

// String ids of the dialog's texts.
constexpr std::uint32_t kNoneId = 210;         // "None"
constexpr std::uint32_t kImageId = 211;        // "Image%d"
constexpr std::uint32_t kSelectFileId = 212;   // "Select File"
constexpr std::uint32_t kPictureFilesId = 213; // the open-file dialog's filter
constexpr std::uint32_t kDefaultExtId = 214;   // "bmp"
constexpr std::uint32_t kImageFailedId = 215;  // "Failed to import %s."
constexpr std::uint32_t kFileFailedId = 216;   // "Failed to import %s file."

// `format` with its first `marker` ("%d" or "%s") replaced by `value`.
std::string Fill(std::string format, const std::string& marker, const std::string& value) {
    const std::size_t at = format.find(marker);
    if (at != std::string::npos)
        format.replace(at, marker.size(), value);
    return format;
}

// The part of `path` after its last "\" (or "/", which Windows takes for one too).
std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

FilterSettings DefaultPicture(const std::string& path, const StdImageData& image) {
    return FilterSettings{1, kFilterTypeDefault, path, image.modAlpha, image.modLuminance};
}

} // namespace

VSFilterModel::VSFilterModel(VSFilterView& view, RegistryPort& registry,
                             const VSFilterSources& sources, FilterSettings& applied,
                             ScreenFilter& filter)
    : m_view(view), m_registry(registry), m_sources(sources), m_applied(applied), m_filter(filter) {
}

std::string VSFilterModel::ImageName(int index) const {
    return Fill(m_sources.strings.Load(kImageId), "%d", std::to_string(index + 1));
}

void VSFilterModel::Open() {
    m_images = ReadDefaultFilters(m_sources.xml, m_sources.codec, m_sources.dataFolder, m_registry);
    m_working = m_applied;
    m_defaultIndex = -1;

    std::vector<std::string> lines{m_sources.strings.Load(kNoneId)};
    for (std::size_t i = 0; i < m_images.size(); ++i)
        lines.push_back(ImageName(static_cast<int>(i)));
    lines.push_back(m_sources.strings.Load(kSelectFileId));

    m_line = 0;
    if (!m_working.on) {
        m_line = 0;
    } else if (m_working.fileType == kFilterTypeUserFile) {
        m_line = LastLine();
    } else {
        const std::string name = FileNameOf(m_working.filePath);
        for (std::size_t i = 0; i < m_images.size(); ++i) {
            if (m_images[i].fileName == name) {
                m_defaultIndex = static_cast<int>(i);
                m_line = m_defaultIndex + 1;
                break;
            }
        }
        if (m_defaultIndex < 0) {
            // A picture no longer listed: shown as none, on the screen as in the dialog.
            m_working = FilterSettings{};
            m_filter.HideFilter();
        }
    }
    m_appliedIndex = m_defaultIndex;
    m_view.SetImageList(lines, m_line);
    ShowValues();
    m_view.SetPathText(m_working.on && m_working.fileType == kFilterTypeUserFile
                           ? m_working.filePath
                           : std::string());
    m_view.Enable(EnablingFor(m_working));
}

void VSFilterModel::ImageSelected(int index) {
    if (index < 0 || index > LastLine() || index == m_line)
        return;
    if (index == 0) {
        m_working = FilterSettings{};
        m_filter.HideFilter();
    } else if (index == LastLine()) {
        m_working = FilterSettings{1, kFilterTypeUserFile, std::string(), 0, 0};
        m_filter.HideFilter();
    } else {
        const int picture = index - 1;
        const StdImageData& image = m_images[static_cast<std::size_t>(picture)];
        const std::string path = m_sources.dataFolder + image.fileName;
        if (LoadPicture(path, kFilterTypeDefault, picture)) {
            m_working = DefaultPicture(path, image);
            m_defaultIndex = picture;
            m_filter.ShowFilter(m_working);
        } else {
            index = 0;
            m_view.SelectImage(0);
            m_working = FilterSettings{};
            m_filter.HideFilter();
        }
    }
    m_line = index;
    ShowValues();
    m_view.SetPathText(std::string());
    m_view.Enable(EnablingFor(m_working));
}

void VSFilterModel::Browse() {
    std::string file;
    if (!m_view.BrowseFile(m_sources.strings.Load(kDefaultExtId),
                           m_sources.strings.Load(kPictureFilesId), file))
        return;
    const bool wasEmpty = m_working.filePath.empty();
    if (!file.empty() && LoadPicture(file, m_working.fileType, -1)) {
        m_working.filePath = file;
        if (wasEmpty) {
            m_working.alpha = kUserFileAlpha;
            m_working.luminance = 0;
        }
        m_filter.ShowFilter(m_working);
    } else {
        m_working.filePath.clear();
        m_working.alpha = 0;
        m_working.luminance = 0;
        m_filter.HideFilter();
    }
    m_view.SetPathText(m_working.filePath);
    if (wasEmpty || m_working.filePath.empty())
        ShowValues();
    m_view.Enable(EnablingFor(m_working));
}

void VSFilterModel::AlphaSlider(int percent) {
    if (percent < 0)
        percent = 0;
    if (percent > kTransmittanceMaxPercent)
        percent = kTransmittanceMaxPercent;
    m_working.alpha = AlphaFromPercent(percent);
    ShowValues();
    m_filter.SetAlpha(m_working.alpha);
}

void VSFilterModel::LuminanceSlider(int position) {
    m_working.luminance = ClampLuminance(LuminanceFromSlider(position));
    ShowValues();
    m_filter.ApplyLuminance(m_working.luminance, false);
}

void VSFilterModel::RestoreDefault() {
    if (!m_working.on)
        return;
    if (m_working.fileType == kFilterTypeDefault && m_defaultIndex >= 0 &&
        m_defaultIndex < static_cast<int>(m_images.size())) {
        m_working.alpha = m_images[static_cast<std::size_t>(m_defaultIndex)].defAlpha;
        m_working.luminance = m_images[static_cast<std::size_t>(m_defaultIndex)].defLuminance;
    } else {
        m_working.alpha = kUserFileAlpha;
        m_working.luminance = 0;
    }
    m_filter.SetAlpha(m_working.alpha);
    m_filter.ApplyLuminance(m_working.luminance, false);
    ShowValues();
}

bool VSFilterModel::Save() {
    m_working = NormalisedForSaving(m_working);
    const char* key = kVSFilterKey.data();
    const std::uint8_t on = m_working.on ? 1 : 0;
    bool stored = m_registry.WriteBinary("On", &on, sizeof on, key);
    stored &=
        m_registry.WriteDword("FileType", static_cast<std::uint32_t>(m_working.fileType), key);
    stored &=
        m_registry.WriteString("FilePath", m_working.filePath.c_str(),
                               static_cast<std::uint32_t>(m_working.filePath.size() + 1), key);
    stored &= m_registry.WriteDword("Alpha", static_cast<std::uint32_t>(m_working.alpha), key);
    const std::int32_t luminance = m_working.luminance;
    stored &= m_registry.WriteBinary("Luminance", &luminance, sizeof luminance, key);
    if (m_working.on && m_working.fileType == kFilterTypeDefault && m_defaultIndex >= 0 &&
        m_defaultIndex < static_cast<int>(m_images.size())) {
        const std::string imageKey =
            KeyPath(key, m_images[static_cast<std::size_t>(m_defaultIndex)].fileName);
        m_registry.WriteDword("ModAlpha", static_cast<std::uint32_t>(m_working.alpha),
                              imageKey.c_str());
        m_registry.WriteBinary("ModLuminance", &luminance, sizeof luminance, imageKey.c_str());
    }
    m_applied = m_working;
    return stored;
}

void VSFilterModel::Restore() {
    if (m_applied.on) {
        if (m_applied.filePath != m_working.filePath &&
            !LoadPicture(m_applied.filePath, m_applied.fileType, m_appliedIndex)) {
            m_applied = FilterSettings{};
            m_filter.HideFilter();
        } else {
            m_filter.ShowFilter(m_applied);
        }
    } else if (m_working.on) {
        m_filter.HideFilter();
    }
    m_working = m_applied;
}

void VSFilterModel::Reapply() {
    if (m_working.on && !m_working.filePath.empty())
        m_filter.ApplyLuminance(m_working.luminance, true);
}

bool VSFilterModel::LoadPicture(const std::string& path, int fileType, int defaultIndex) {
    if (m_filter.LoadPicture(path))
        return true;
    // A default picture is named as the list names it; one no longer listed by its file.
    const std::string picture = defaultIndex >= 0 ? ImageName(defaultIndex) : FileNameOf(path);
    m_view.ShowWarning(fileType == kFilterTypeDefault
                           ? Fill(m_sources.strings.Load(kImageFailedId), "%s", picture)
                           : Fill(m_sources.strings.Load(kFileFailedId), "%s", path));
    return false;
}

void VSFilterModel::ShowValues() {
    const bool on = m_working.on != 0;
    m_view.ShowValues(on ? PercentFromAlpha(m_working.alpha) : 0, on ? m_working.luminance : 0);
}
