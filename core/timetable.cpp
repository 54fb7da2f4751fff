#include "timetable.h"

#include "hicrimiladihesap.h"
#include "saatdilimi.h"

#include <charconv>
#include <cstdlib>
#include <optional>

namespace vakit {

namespace {

struct Column {
    ravla::PrayerIndex entry;
    const char *key;   // csv header and json field
    const char *title; // text table heading
};

// Imsak first: that is how people read a timetable, the engine keeps it last.
constexpr Column kColumns[] = {
    {ravla::Imsak, "imsak", "Imsak"},
    {ravla::Fajr, "fajr", "Fajr"},
    {ravla::Sunrise, "sunrise", "Sunrise"},
    {ravla::Dhuhr, "dhuhr", "Dhuhr"},
    {ravla::Asr, "asr", "Asr"},
    {ravla::Maghrib, "maghrib", "Maghrib"},
    {ravla::Isha, "isha", "Isha"},
};

constexpr int kTimeWidth = 8; // "24:59:59"; the flag gets its own column after it

std::string number(double value)
{
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value + 0.0); // no "-0"
    return ec == std::errc() ? std::string(buf, end) : std::string("?");
}

// The day's religious days in English, "; " between two; a kandil says it is the night after.
std::string religiousText(const Day &day)
{
    std::string text;
    for (ravla::DiniGun g : day.religious) {
        if (!text.empty())
            text += "; ";
        text += ravla::diniGunIngilizce(g);
        if (ravla::geceMi(g))
            text += " (the night after this day)";
    }
    return text;
}

std::string dateText(const ravla::CivilDate &d)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return buf;
}

std::string padLeft(const std::string &s, std::size_t width)
{
    return s.size() < width ? std::string(width - s.size(), ' ') + s : s;
}

std::string padRight(const std::string &s, std::size_t width)
{
    return s.size() < width ? s + std::string(width - s.size(), ' ') : s;
}

std::string methodText(const Run &o)
{
    std::string text;
    if (o.inputs.customMethod) {
        text = "Custom angles " + number(o.inputs.fajrAngle) + "\u00b0/" +
               number(o.inputs.ishaAngle) + "\u00b0";
    } else {
        text = methodTitle(o.inputs.methodCode);
    }
    if (o.inputs.hanafi)
        text += ", Hanafi Asr";
    return text;
}

std::string offsetsText(const Run &o)
{
    std::string text;
    for (const Column &c : kColumns) {
        const int minutes = o.inputs.offsets[c.entry];
        if (minutes != 0)
            text += std::string(text.empty() ? "" : ", ") + c.title + " " +
                    (minutes > 0 ? "+" : "") + std::to_string(minutes);
    }
    return text;
}

// Diyanet's İmsak is its Fajr, not a steeper angle.
bool imsakIsFajr(const Run &o)
{
    ravla::PrayerMethod m;
    ravla::methodDefaults(o.inputs.customMethod ? 0 : o.inputs.methodCode, m);
    return m.imsakAngle == 0;
}

const char *ruleText(ravla::HighLatitudeRule rule)
{
    switch (rule) {
    case ravla::HighLatitudeRule::Nearest:
        break;
    case ravla::HighLatitudeRule::MiddleOfNight:
        return "middle of the night";
    case ravla::HighLatitudeRule::OneSeventh:
        return "one-seventh of the night";
    case ravla::HighLatitudeRule::TwilightAngle:
        return "twilight angle (angle/60 of the night)";
    }
    return "nearest day with the twilight";
}

std::string dstText(const ravla::DstRule &rule)
{
    switch (rule.kind) {
    case ravla::DstRule::None:
        return "none";
    case ravla::DstRule::Automatic:
        return "automatic (last Sunday of March up to the last Sunday of October)";
    case ravla::DstRule::Range:
        return "from " + dateText(rule.start) + " up to but not including " + dateText(rule.end);
    case ravla::DstRule::Shift:
        break; // only through a zone, which names itself
    }
    return {};
}

class Writer
{
public:
    // Without a file the text stays in `text()`.
    Writer(const Run &options, std::FILE *out) : options_(options), out_(out) {}

    void begin();
    void day(const Day &day);
    void end();
    std::string &text() { return buffer_; }
    bool zoneRules() const
    {
        return !options_.zone.empty() && options_.inputs.dst.kind == ravla::DstRule::Automatic;
    }

private:
    void flushIfLarge()
    {
        if (out_ && buffer_.size() > 1 << 16)
            flush();
    }
    void flush()
    {
        if (!out_)
            return;
        std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
        buffer_.clear();
    }

    const Run &options_;
    std::FILE *out_;
    std::string buffer_;
    bool first_ = true;
    bool anyFlag_ = false;
    bool anyMaghribFlag_ = false;
    bool anyMissing_ = false;
    std::vector<std::string> notes_; // the religious days, one footnote each
};

void Writer::begin()
{
    switch (options_.format) {
    case Format::Csv:
        buffer_ += "date";
        for (const Column &c : kColumns)
            buffer_ += std::string(",") + c.key;
        buffer_ += ",hijri,qibla\n";
        break;
    case Format::Json:
        buffer_ += "[";
        break;
    case Format::Pdf: // a page, drawn by the month page's renderer
    case Format::Ics: // a calendar, TakvimDosyasi's
        break;
    case Format::Text: {
        const std::string sign = options_.inputs.timeZone < 0 ? "" : "+";
        buffer_ += "Prayer times for latitude " + number(options_.inputs.latitude) +
                   ", longitude " + number(options_.inputs.longitude) + ", time zone UTC" + sign +
                   number(options_.inputs.timeZone) + "\n";
        if (!options_.jakimZone.empty()) {
            buffer_ += "JAKIM zone: " + options_.jakimZone + " (at its reference point";
            if (options_.inputs.elevation > 0)
                buffer_ += ", " + number(options_.inputs.elevation) + " m up";
            buffer_ += ")";
            if (!options_.jakimNote.empty())
                buffer_ += ", " + options_.jakimNote;
            buffer_ += "\n";
        }
        buffer_ += "Method: " + methodText(options_) + "\n";
        if (const std::string offsets = offsetsText(options_); !offsets.empty())
            buffer_ += "Own minutes: " + offsets + "\n";
        buffer_ +=
            std::string("High latitudes: ") + ruleText(options_.inputs.highLatitudeRule) + "\n";
        if (options_.inputs.hijriCalendar == ravla::HijriCalendar::Diyanet)
            buffer_ += "Hijri calendar: Diyanet (unified Hijri calendar)\n";
        else if (options_.inputs.hijriCalendar == ravla::HijriCalendar::UmmAlQura)
            buffer_ += "Hijri calendar: Umm al-Qura\n";
        if (options_.inputs.hijriOffset != 0)
            buffer_ += "Hijri date moved by " +
                       std::string(options_.inputs.hijriOffset > 0 ? "+" : "") +
                       std::to_string(options_.inputs.hijriOffset) + " day" +
                       (std::abs(options_.inputs.hijriOffset) == 1 ? "" : "s") + "\n";
        buffer_ += "Daylight saving: " +
                   (zoneRules() ? "the rules of " + options_.zone : dstText(options_.inputs.dst)) +
                   "\n\n";
        buffer_ += padRight("Date", 10);
        for (const Column &c : kColumns)
            buffer_ += "  " + padLeft(c.title, kTimeWidth) + " ";
        buffer_ += "  " + padRight("Hijri", 10) + "  Qibla\n";
        break;
    }
    }
}

void Writer::day(const Day &day)
{
    const ravla::DaySchedule &s = day.schedule;
    switch (options_.format) {
    case Format::Csv:
        buffer_ += dateText(day.date);
        for (const Column &c : kColumns) {
            buffer_ += "," + clockText(s.times[c.entry]);
            if (s.times[c.entry].isExtreme)
                buffer_ += "*";
        }
        buffer_ += "," + day.hijri + "," + std::to_string(s.qiblaDegrees) + "\n";
        break;
    case Format::Json:
        buffer_ += first_ ? "\n  {" : ",\n  {";
        buffer_ += "\"date\": \"" + dateText(day.date) + "\"";
        for (const Column &c : kColumns) {
            const ravla::PrayerTime &t = s.times[c.entry];
            buffer_ += std::string(", \"") + c.key + "\": \"" + clockText(t) + "\"";
            buffer_ +=
                std::string(", \"") + c.key + "Extreme\": " + (t.isExtreme ? "true" : "false");
        }
        buffer_ += ", \"hijri\": \"" + day.hijri +
                   "\", \"qibla\": " + std::to_string(s.qiblaDegrees) + ", \"day\": \"" +
                   religiousText(day) + "\"}";
        break;
    case Format::Text:
        buffer_ += padRight(dateText(day.date), 10);
        for (const Column &c : kColumns) {
            const ravla::PrayerTime &t = s.times[c.entry];
            buffer_ += "  " + padLeft(clockText(t), kTimeWidth) + (t.isExtreme ? "*" : " ");
            anyFlag_ = anyFlag_ || t.isExtreme;
            anyMaghribFlag_ = anyMaghribFlag_ || (c.entry == ravla::Maghrib && t.isExtreme);
            anyMissing_ = anyMissing_ || !t.exists();
        }
        buffer_ +=
            "  " + padRight(day.hijri, 10) + "  " + padLeft(std::to_string(s.qiblaDegrees), 5);
        if (!day.religious.empty()) {
            notes_.push_back(dateText(day.date) + ": " + religiousText(day));
            buffer_ += "  [" + std::to_string(notes_.size()) + "]";
        }
        buffer_ += "\n";
        break;
    case Format::Pdf:
    case Format::Ics:
        break;
    }
    first_ = false;
    flushIfLarge();
}

void Writer::end()
{
    switch (options_.format) {
    case Format::Csv:
    case Format::Pdf:
    case Format::Ics:
        break;
    case Format::Json:
        buffer_ += first_ ? "]\n" : "\n]\n";
        break;
    case Format::Text:
        if (anyFlag_ || anyMissing_)
            buffer_ += "\n";
        if (anyFlag_) {
            const std::string imsak =
                imsakIsFajr(options_) ? "Imsak: that Fajr" : "Imsak: ten minutes before that Fajr";
            if (options_.inputs.highLatitudeRule == ravla::HighLatitudeRule::Nearest)
                buffer_ += "* estimated: the Sun does not reach the twilight angle that night, so "
                           "the time is taken from the nearest day on which it does (" +
                           imsak + ").\n";
            else
                buffer_ += std::string("* estimated: the Sun does not reach the twilight angle "
                                       "that night, or only late, so the time is bounded by the ") +
                           ruleText(options_.inputs.highLatitudeRule) +
                           " from sunrise or sunset; where the Sun does not set, taken from the "
                           "nearest day that has the twilight (" +
                           imsak + ").\n";
        }
        if (anyMaghribFlag_)
            buffer_ += "A marked Maghrib: the Sun does not sink to the method's Maghrib angle that "
                       "night (or only late), so it is the sunset (or the rule's bound).\n";
        if (anyMissing_)
            buffer_ += "99:99:00: the time does not occur on that day.\n";
        if (!notes_.empty())
            buffer_ += "\n";
        for (std::size_t i = 0; i < notes_.size(); ++i)
            buffer_ += "[" + std::to_string(i + 1) + "] " + notes_[i] + "\n";
        break;
    }
    flush();
}

} // namespace

ravla::CivilDate nextDay(const ravla::CivilDate &date)
{
    ravla::CivilDate next = date;
    if (++next.day <= ravla::daysInMonth(next.year, next.month))
        return next;
    next.day = 1;
    if (++next.month <= 12)
        return next;
    next.month = 1;
    next.year = next.year == -1 ? 1 : next.year + 1; // there is no year 0
    return next;
}

std::string methodTitle(int code)
{
    std::string name = ravla::methodName(code);
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

std::string clockText(const ravla::PrayerTime &time)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", time.hour, time.minute, time.second);
    return buf;
}

ravla::ScheduleInputs inputsFor(const Run &o, const ravla::CivilDate &date)
{
    ravla::ScheduleInputs in = o.inputs;
    in.date = date;
    // The zone's own rule: no change in Istanbul, American and southern dates elsewhere. A zone
    // the system does not know leaves the built-in rule in force.
    if (!o.zone.empty() && o.inputs.dst.kind == ravla::DstRule::Automatic) {
        const std::optional<double> shift =
            SaatDilimi::kayma(QString::fromStdString(o.zone),
                              QDate(date.year, date.month, date.day), o.inputs.timeZone);
        if (shift)
            in.dst = {ravla::DstRule::Shift, {0, 0, 0}, {0, 0, 0}, *shift};
    }
    return in;
}

std::string hijriText(const Run &o, const ravla::CivilDate &date)
{
    ravla::HicriMiladiHesap hijri;
    hijri.Hesapla(date.day, date.month, date.year, o.inputs.hijriOffset, o.inputs.hijriCalendar);
    return hijri.tarihMetni();
}

void computeDays(const Run &o, const std::function<void(const Day &)> &each)
{
    // One calculator for the whole run: its solar cache makes the next day cheap.
    ravla::ScheduleCalculator calculator;
    ravla::CivilDate date = o.date;
    for (int i = 0; i < o.days; ++i, date = nextDay(date))
        each({date, calculator.compute(inputsFor(o, date)), hijriText(o, date),
              ravla::diniGunler(date, o.inputs.hijriCalendar, o.inputs.hijriOffset)});
}

Run monthRun(const Run &options, int year, int month)
{
    Run o = options;
    o.date = {1, month, year};
    o.days = ravla::daysInMonth(year, month);
    return o;
}

std::vector<Day> monthDays(const Run &options, int year, int month)
{
    std::vector<Day> days;
    const Run o = monthRun(options, year, month);
    days.reserve(o.days);
    computeDays(o, [&days](const Day &day) { days.push_back(day); });
    return days;
}

void writeTimetable(const Run &o, std::FILE *out)
{
    Writer writer(o, out);
    writer.begin();
    computeDays(o, [&writer](const Day &day) { writer.day(day); });
    writer.end();
}

std::string timetableText(const Run &o)
{
    Writer writer(o, nullptr);
    writer.begin();
    computeDays(o, [&writer](const Day &day) { writer.day(day); });
    writer.end();
    return std::move(writer.text());
}

} // namespace vakit
