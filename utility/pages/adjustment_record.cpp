#include "utility/pages/adjustment_record.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Writes the fields one after the other from the start of the record.
class RecordWriter {
  public:
    explicit RecordWriter(std::uint8_t* bytes) : m_at(bytes) {}

    // At most `fieldSize` - 1 characters, then zeros up to the field's end.
    void Text(const std::string& text, std::size_t fieldSize) {
        const std::size_t length = std::min(text.size(), fieldSize - 1);
        std::memcpy(m_at, text.data(), length);
        std::memset(m_at + length, 0, fieldSize - length);
        m_at += fieldSize;
    }
    void Number(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            *m_at++ = static_cast<std::uint8_t>(value >> shift);
    }
    void Feature(const StoredFeature& feature) {
        Number(feature.current);
        Number(feature.maximum);
        Number(feature.valid);
    }

  private:
    std::uint8_t* m_at;
};

class RecordReader {
  public:
    explicit RecordReader(const std::uint8_t* bytes) : m_at(bytes) {}

    // Up to the first zero, and never the field's last byte: it stands for the terminator.
    std::string Text(std::size_t fieldSize) {
        const std::uint8_t* end = std::find(m_at, m_at + fieldSize - 1, std::uint8_t{0});
        std::string text(m_at, end);
        m_at += fieldSize;
        return text;
    }
    std::uint32_t Number() {
        std::uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8)
            value |= std::uint32_t{*m_at++} << shift;
        return value;
    }
    StoredFeature Feature() {
        StoredFeature feature;
        feature.current = Number();
        feature.maximum = Number();
        feature.valid = Number();
        return feature;
    }

  private:
    const std::uint8_t* m_at;
};

} // namespace

std::array<std::uint8_t, kAdjustmentRecordSize>
EncodeAdjustmentRecord(const AdjustmentRecord& record) {
    std::array<std::uint8_t, kAdjustmentRecordSize> bytes{};
    RecordWriter out(bytes.data());
    out.Text(record.modelName, kRecordModelNameSize);
    out.Text(record.serialNumber, kRecordSerialNumberSize);
    out.Text(record.identityKey, kRecordIdentityKeySize);
    out.Number(record.mode);
    out.Number(record.temperature);
    out.Feature(record.brightness);
    out.Feature(record.red);
    out.Feature(record.green);
    out.Feature(record.blue);
    out.Feature(record.gamma);
    for (std::uint32_t value : record.group)
        out.Number(value);
    out.Number(record.groupValid);
    out.Feature(record.contrast);
    return bytes;
}

bool DecodeAdjustmentRecord(const std::uint8_t* bytes, std::size_t size, AdjustmentRecord& record) {
    if (bytes == nullptr || size != kAdjustmentRecordSize)
        return false;
    RecordReader in(bytes);
    AdjustmentRecord decoded;
    decoded.modelName = in.Text(kRecordModelNameSize);
    decoded.serialNumber = in.Text(kRecordSerialNumberSize);
    decoded.identityKey = in.Text(kRecordIdentityKeySize);
    decoded.mode = in.Number();
    decoded.temperature = in.Number();
    decoded.brightness = in.Feature();
    decoded.red = in.Feature();
    decoded.green = in.Feature();
    decoded.blue = in.Feature();
    decoded.gamma = in.Feature();
    for (std::uint32_t& value : decoded.group)
        value = in.Number();
    decoded.groupValid = in.Number();
    decoded.contrast = in.Feature();
    record = std::move(decoded);
    return true;
}
