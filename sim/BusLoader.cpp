#include "BusLoader.h"

#include "ValueText.h"
#include "link/LineSettings.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

namespace ortavel::sim {

namespace {
// Thrown inside the loader only, caught at its surface.
struct Invalid : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr double kMaxSeed = 9007199254740992.0; // 2^53: exact in a JSON number

// The working values; a "factory" object takes the same keys.
const std::set<QString> kAreaKeys = {
    "type",       "id",       "unit",     "decimals",   "displayLow", "displayHigh", "outputLow",
    "outputHigh", "trimZero", "trimFull", "pointCount", "measured",   "standard",
};

const std::set<QString> kTransmitterKeys = [] {
    std::set<QString> keys = kAreaKeys;
    keys.insert({"address", "baud", "version", "sensorLow", "sensorHigh", "sensorUnit", "pressure", "pressureNoise",
                 "temperature", "temperatureNoise", "fault", "randomFaults", "pressureOffset", "pressureGain",
                 "factory", "valueLow", "valueHigh"});
    return keys;
}();

const std::set<QString> kBusKeys = {"seed", "randomFaults", "transmitters"};

class Reader {
public:
    Reader(const QJsonObject &object, std::string place) : m_object(object), m_place(std::move(place)) {}

    void onlyKeys(const std::set<QString> &known) const
    {
        for (const auto &key : m_object.keys()) {
            if (known.count(key) == 0)
                throw Invalid(m_place + ": unknown key \"" + key.toStdString() + "\"");
        }
    }

    bool has(const char *key) const { return m_object.contains(QLatin1String(key)); }

    double number(const char *key, double fallback, double low, double high) const
    {
        if (!has(key))
            return fallback;
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isDouble() || !std::isfinite(value.toDouble()) || value.toDouble() < low || value.toDouble() > high)
            throw Invalid(where(key) + ": must be a number from " + text(low) + " to " + text(high));
        return value.toDouble();
    }

    int whole(const char *key, int fallback, int low, int high) const
    {
        if (!has(key))
            return fallback;
        const QJsonValue value = m_object.value(QLatin1String(key));
        const double d = value.toDouble();
        if (!value.isDouble() || d != std::floor(d) || d < low || d > high)
            throw Invalid(where(key) + ": must be a whole number from " + std::to_string(low) + " to " +
                          std::to_string(high));
        return static_cast<int>(d);
    }

    std::string string(const char *key, const std::string &fallback) const
    {
        if (!has(key))
            return fallback;
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isString() || !isStorableText(value.toString().toStdString()))
            throw Invalid(where(key) + ": must be a text of 1 to " + std::to_string(kMaxTextLength) +
                          " printable ASCII characters");
        return value.toString().toStdString();
    }

    void points(const char *key, std::array<double, kCalibrationPoints> &table) const
    {
        if (!has(key))
            return;
        const QJsonValue value = m_object.value(QLatin1String(key));
        const QJsonArray array = value.toArray();
        if (!value.isArray() || array.size() > kCalibrationPoints)
            throw Invalid(where(key) + ": must be a list of at most 8 numbers");
        for (qsizetype i = 0; i < array.size(); ++i) {
            const double d = array.at(i).toDouble();
            if (!array.at(i).isDouble() || !std::isfinite(d) || std::fabs(d) > kMaxValue)
                throw Invalid(where(key) + "[" + std::to_string(i) + "]: must be a number from -99999 to 99999");
            table[static_cast<std::size_t>(i)] = d;
        }
    }

    std::string where(const char *key) const { return m_place + "." + key; }

private:
    static std::string text(double value)
    {
        std::string s = std::to_string(value);
        s.erase(s.find_last_not_of('0') + 1);
        if (!s.empty() && s.back() == '.')
            s.pop_back();
        return s;
    }

    QJsonObject m_object;
    std::string m_place;
};

int address(const Reader &reader, const QJsonObject &object)
{
    // A number 1 to 99, or the two digits as the wire has them.
    const QJsonValue value = object.value("address");
    if (value.isString()) {
        if (const auto parsed = parseAddress(value.toString().toStdString()))
            return *parsed;
        throw Invalid(reader.where("address") + ": must be 1 to 99 or \"01\" to \"99\"");
    }
    return reader.whole("address", 0, 1, 99);
}

FaultSetting faultSetting(const Reader &reader, const QJsonObject &object, double busProbability)
{
    FaultSetting setting;
    if (reader.has("fault")) {
        const auto fault = faultFromName(object.value("fault").toString().toStdString());
        if (!object.value("fault").isString() || !fault) {
            std::string names;
            for (const Fault f : kInjectableFaults)
                names += std::string(", ") + std::string(faultName(f));
            for (const Fault f : kStrayFaults)
                names += std::string(", ") + std::string(faultName(f));
            throw Invalid(reader.where("fault") + ": must be one of none" + names);
        }
        setting.fault = *fault;
    }
    setting.randomProbability = reader.number("randomFaults", busProbability, 0.0, 1.0);
    return setting;
}

void area(const Reader &r, DataArea &w)
{
    w.type = r.string("type", w.type);
    w.ident = r.string("id", w.ident);
    w.unit = r.whole("unit", w.unit, 0, 6);
    w.decimals = r.whole("decimals", w.decimals, 0, 4);
    w.displayLow = r.number("displayLow", w.displayLow, -kMaxValue, kMaxValue);
    w.displayHigh = r.number("displayHigh", w.displayHigh, -kMaxValue, kMaxValue);
    w.outputLow = r.number("outputLow", w.outputLow, -kMaxValue, kMaxValue);
    w.outputHigh = r.number("outputHigh", w.outputHigh, -kMaxValue, kMaxValue);
    w.trimZero = r.whole("trimZero", w.trimZero, -kMaxTrim, kMaxTrim);
    w.trimFull = r.whole("trimFull", w.trimFull, -kMaxTrim, kMaxTrim);
    w.pointCount = r.whole("pointCount", w.pointCount, 0, kCalibrationPoints);
    r.points("measured", w.measured);
    r.points("standard", w.standard);
}

TransmitterConfig transmitter(const QJsonValue &value, std::size_t index, double busProbability)
{
    const std::string place = "transmitters[" + std::to_string(index) + "]";
    if (!value.isObject())
        throw Invalid(place + ": must be an object");
    const QJsonObject object = value.toObject();
    const Reader r(object, place);
    r.onlyKeys(kTransmitterKeys);
    if (!r.has("address"))
        throw Invalid(place + ".address: missing");

    TransmitterConfig t;
    t.address = address(r, object);
    t.baud = r.whole("baud", t.baud, 0, 1'000'000);
    if (!bandIndexOfBaud(t.baud))
        throw Invalid(r.where("baud") + ": must be 1200, 2400, 4800 or 9600");
    t.version = r.string("version", t.version);
    t.sensorLow = r.number("sensorLow", t.sensorLow, -kMaxValue, kMaxValue);
    t.sensorHigh = r.number("sensorHigh", t.sensorHigh, -kMaxValue, kMaxValue);
    t.sensorUnit = r.whole("sensorUnit", t.sensorUnit, 0, 6);
    area(r, t.working);
    if (r.has("factory")) {
        if (!object.value("factory").isObject())
            throw Invalid(r.where("factory") + ": must be an object");
        const Reader f(object.value("factory").toObject(), r.where("factory"));
        f.onlyKeys(kAreaKeys);
        // Keys left out are the working values.
        t.factory = t.working;
        area(f, *t.factory);
    }
    t.valueLow = r.number("valueLow", t.valueLow, -kMaxValue, kMaxValue);
    t.valueHigh = r.number("valueHigh", t.valueHigh, t.valueLow, kMaxValue);
    t.pressure = r.number("pressure", t.pressure, -kMaxValue, kMaxValue);
    t.pressureNoise = r.number("pressureNoise", t.pressureNoise, 0.0, kMaxValue);
    t.pressureOffset = r.number("pressureOffset", t.pressureOffset, -kMaxValue, kMaxValue);
    t.pressureGain = r.number("pressureGain", t.pressureGain, -kMaxValue, kMaxValue);
    t.temperature = r.number("temperature", t.temperature, -kMaxValue, kMaxValue);
    t.temperatureNoise = r.number("temperatureNoise", t.temperatureNoise, 0.0, kMaxValue);
    t.fault = faultSetting(r, object, busProbability);
    return t;
}
} // namespace

std::optional<BusConfig> BusLoader::fromJson(const std::string &text, std::string &error)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = "invalid JSON at offset " + std::to_string(parseError.offset) + ": " +
                parseError.errorString().toStdString();
        return std::nullopt;
    }
    if (!document.isObject()) {
        error = "the bus description must be a JSON object";
        return std::nullopt;
    }
    try {
        const QJsonObject object = document.object();
        const Reader r(object, "bus");
        r.onlyKeys(kBusKeys);
        BusConfig bus;
        bus.seed = static_cast<std::uint64_t>(r.number("seed", 1.0, 0.0, kMaxSeed));
        if (r.has("seed") && object.value("seed").toDouble() != std::floor(object.value("seed").toDouble()))
            throw Invalid("bus.seed: must be a whole number");
        const double probability = r.number("randomFaults", 0.0, 0.0, 1.0);
        if (r.has("transmitters") && !object.value("transmitters").isArray())
            throw Invalid("bus.transmitters: must be a list");
        const QJsonArray list = object.value("transmitters").toArray();
        for (qsizetype i = 0; i < list.size(); ++i)
            bus.transmitters.push_back(transmitter(list.at(i), static_cast<std::size_t>(i), probability));
        return bus;
    } catch (const Invalid &invalid) {
        error = invalid.what();
        return std::nullopt;
    }
}

std::optional<BusConfig> BusLoader::fromFile(const std::string &path, std::string &error)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + ": " + file.errorString().toStdString();
        return std::nullopt;
    }
    auto bus = fromJson(file.readAll().toStdString(), error);
    if (!bus)
        error = path + ": " + error;
    return bus;
}

} // namespace ortavel::sim
