#include "ships/ship_design_json.h"

#include "core/decode_error.h"
#include "core/uuid.h"
#include "ships/ship_design.h"
#include "ships/ship_design_codes.h"
#include "ships/ship_design_fields.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>
#include <type_traits>

namespace velmora::ships {

namespace {

using nlohmann::json;

std::string withThousands(long long number) {
    std::string digits = std::to_string(number < 0 ? -number : number);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return number < 0 ? "-" + digits : digits;
}

template <typename T>
constexpr bool isRecord = std::is_same_v<T, WeaponMount> || std::is_same_v<T, HighGuardOptions> ||
                          std::is_same_v<T, SoftwareSuite> || std::is_same_v<T, ShipDesign>;

// Writes each field under its key.
struct FieldWriter {
    json& out;

    void operator()(const char* key, int value, Range) const { out[key] = value; }
    void operator()(const char* key, bool value) const { out[key] = value; }
    void operator()(const char* key, const core::Uuid& value) const { out[key] = value.toString(); }
    template <typename Enum>
    requires std::is_enum_v<Enum>
    void operator()(const char* key, Enum value) const { out[key] = std::string(rawValue(value)); }
    void operator()(const char* key, const std::optional<std::string>& value) const {
        if (value)
            out[key] = *value;
    }
    void operator()(const char* key, const std::optional<int>& value, Range) const {
        if (value)
            out[key] = *value;
    }
    void operator()(const char* key, const std::optional<double>& value, MoneyRange) const {
        if (value)
            out[key] = *value;
    }
    void operator()(const char* key, const std::vector<WeaponMount>& mounts) const {
        json list = json::array();
        for (const auto& mount : mounts)
            list.push_back(record(mount));
        out[key] = std::move(list);
    }
    template <typename Record>
    requires isRecord<Record>
    void operator()(const char* key, const Record& value) const { out[key] = record(value); }

    template <typename Record>
    static json record(const Record& value) {
        json object = json::object();
        visitFields(value, FieldWriter{object});
        return object;
    }
};

// Reads each field from its key, naming the key's whole path when it fails.
struct FieldReader {
    const json& object;
    const std::string& path;

    std::string pathOf(const char* key) const { return path.empty() ? key : path + "." + key; }

    [[noreturn]] void fail(const std::string& keyPath, const std::string& problem) const {
        throw core::DecodeError("The ship design's \"" + keyPath + "\" " + problem + ".");
    }

    const json* find(const char* key) const {
        const auto found = object.find(key);
        if (found == object.end() || found->is_null())
            return nullptr;
        return &*found;
    }

    const json& require(const char* key) const {
        if (const json* value = find(key))
            return *value;
        throw core::DecodeError("The ship design has no \"" + pathOf(key) + "\".");
    }

    int whole(const json& value, const char* key, Range range) const {
        // Beyond this a number is far outside every range and is not spelled out.
        constexpr double farOut = 1e12;
        std::optional<long long> number;
        if (value.is_number_integer()) {
            number = value.get<long long>();
        } else if (value.is_number_unsigned()) {
            if (value.get<unsigned long long>() < static_cast<unsigned long long>(farOut))
                number = static_cast<long long>(value.get<unsigned long long>());
        } else if (value.is_number_float()) {
            const double real = value.get<double>();
            if (!std::isfinite(real) || std::trunc(real) != real)
                fail(pathOf(key), "is not a whole number");
            if (std::fabs(real) < farOut)
                number = static_cast<long long>(real);
        } else {
            fail(pathOf(key), "is not a number");
        }
        const std::string allowed =
            "outside " + withThousands(range.lowest) + " to " + withThousands(range.highest);
        if (!number)
            fail(pathOf(key), "is " + allowed);
        if (*number < range.lowest || *number > range.highest)
            fail(pathOf(key), "is " + withThousands(*number) + ", " + allowed);
        return static_cast<int>(*number);
    }

    void operator()(const char* key, int& field, Range range) const {
        field = whole(require(key), key, range);
    }
    void operator()(const char* key, bool& field) const {
        const json& value = require(key);
        if (!value.is_boolean())
            fail(pathOf(key), "is not true or false");
        field = value.get<bool>();
    }
    void operator()(const char* key, core::Uuid& field) const {
        const json& value = require(key);
        if (!value.is_string())
            fail(pathOf(key), "is not a text");
        const auto parsed = core::Uuid::fromString(value.get_ref<const std::string&>());
        if (!parsed)
            fail(pathOf(key), "is not an identity (UUID)");
        field = *parsed;
    }
    template <typename Enum>
    requires std::is_enum_v<Enum>
    void operator()(const char* key, Enum& field) const {
        const json& value = require(key);
        if (!value.is_string())
            fail(pathOf(key), "is not a text");
        const auto& text = value.get_ref<const std::string&>();
        const auto known = rawValues(field).value(text);
        if (!known)
            fail(pathOf(key), "has a value this version does not know: \"" + text + "\"");
        field = *known;
    }
    void operator()(const char* key, std::optional<std::string>& field) const {
        field.reset();
        if (const json* value = find(key)) {
            if (!value->is_string())
                fail(pathOf(key), "is not a text");
            field = value->get<std::string>();
        }
    }
    void operator()(const char* key, std::optional<int>& field, Range range) const {
        field.reset();
        if (const json* value = find(key))
            field = whole(*value, key, range);
    }
    void operator()(const char* key, std::optional<double>& field, MoneyRange range) const {
        field.reset();
        if (const json* value = find(key)) {
            if (!value->is_number())
                fail(pathOf(key), "is not a number");
            const double amount = value->get<double>();
            if (!std::isfinite(amount) || amount < range.lowest || amount > range.highest)
                fail(pathOf(key), "is not an amount of credits a ship can cost");
            field = amount;
        }
    }
    void operator()(const char* key, std::vector<WeaponMount>& mounts) const {
        mounts.clear();
        const json* list = find(key);
        if (!list)
            return;
        if (!list->is_array())
            fail(pathOf(key), "is not a list");
        mounts.reserve(list->size());
        std::size_t index = 0;
        for (const json& element : *list) {
            const std::string elementPath = pathOf(key) + "[" + std::to_string(index++) + "]";
            mounts.push_back(read<WeaponMount>(element, elementPath));
        }
    }
    template <typename Record>
    requires isRecord<Record>
    void operator()(const char* key, Record& field) const {
        field = read<Record>(require(key), pathOf(key));
    }

    template <typename Record>
    static Record read(const json& value, const std::string& recordPath) {
        if (!value.is_object()) {
            if (recordPath.empty())
                throw core::DecodeError("The ship design is not a JSON object.");
            throw core::DecodeError("The ship design's \"" + recordPath +
                                    "\" is not a JSON object.");
        }
        Record record;
        visitFields(record, FieldReader{value, recordPath});
        return record;
    }
};

} // namespace

json toJson(const ShipDesign& design) {
    return FieldWriter::record(design);
}

ShipDesign shipDesignFromJson(const json& in, const std::string& keyPath) {
    return FieldReader::read<ShipDesign>(in, keyPath);
}

void to_json(json& out, const ShipDesign& design) {
    out = FieldWriter::record(design);
}
void from_json(const json& in, ShipDesign& design) {
    design = FieldReader::read<ShipDesign>(in, {});
}
void to_json(json& out, const WeaponMount& mount) {
    out = FieldWriter::record(mount);
}
void from_json(const json& in, WeaponMount& mount) {
    mount = FieldReader::read<WeaponMount>(in, "weaponMounts[]");
}
void to_json(json& out, const HighGuardOptions& options) {
    out = FieldWriter::record(options);
}
void from_json(const json& in, HighGuardOptions& options) {
    options = FieldReader::read<HighGuardOptions>(in, "highGuard");
}
void to_json(json& out, const SoftwareSuite& software) {
    out = FieldWriter::record(software);
}
void from_json(const json& in, SoftwareSuite& software) {
    software = FieldReader::read<SoftwareSuite>(in, "software");
}

} // namespace velmora::ships

std::size_t std::hash<velmora::ships::ShipDesign>::operator()(
    const velmora::ships::ShipDesign& design) const noexcept {
    // The JSON text holds every field once, in a fixed order.
    return std::hash<std::string>{}(velmora::ships::toJson(design).dump(
        -1, ' ', false, nlohmann::json::error_handler_t::replace));
}
