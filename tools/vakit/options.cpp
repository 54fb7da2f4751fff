#include "options.h"

#include "jakimbolge.h"
#include "saatdilimi.h"
#include "sehirveritabani.h"
#include "vakitsecenekleri.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>
#include <system_error>
#include <type_traits>

namespace vakit {

namespace {

// The Hijri conversion and the engine's Julian day both start with the Gregorian calendar.
constexpr ravla::CivilDate kFirstSupportedDate{15, 10, 1582};
constexpr ravla::CivilDate kLastSupportedDate{31, 12, 9999}; // four-digit years in the output
constexpr int kMaxDays = 36600;

struct UsageError {
    std::string message;
};

// The message echoes what was typed: a line break or another control character in it is shown
// escaped, so that the message stays one line on the terminal.
std::string oneLine(const std::string &message)
{
    std::string line;
    for (const char c : message) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\n') {
            line += "\\n";
        } else if (u < 0x20 || u == 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", u);
            line += hex;
        } else {
            line += c;
        }
    }
    return line;
}

std::string quoted(std::string_view s)
{
    std::string q(1, '\'');
    q.append(s).push_back('\'');
    return q;
}

enum class NumberStatus { Ok, NotANumber, OutOfRange };

// from_chars so that a German or Turkish locale never turns "5.5" into 5.
template <typename T> NumberStatus toNumber(std::string_view s, T &value)
{
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        if (!s.empty() && s.front() == '-')
            return NumberStatus::NotANumber;
    }
    const char *end = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data(), end, value);
    if (ec == std::errc::result_out_of_range && ptr == end)
        return NumberStatus::OutOfRange;
    if (ec != std::errc() || ptr != end || s.empty())
        return NumberStatus::NotANumber;
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value))
            return NumberStatus::NotANumber;
    }
    return NumberStatus::Ok;
}

std::string shortest(double value)
{
    char buf[32];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

std::string rangeText(double low, double high)
{
    return shortest(low) + " and " + shortest(high);
}

double realIn(std::string_view option, std::string_view text, double low, double high,
              std::string_view what = {})
{
    double value = 0;
    const NumberStatus status = toNumber(text, value);
    const std::string name = what.empty() ? std::string(option) : std::string(what);
    if (status == NumberStatus::NotANumber)
        throw UsageError{std::string(option) + " needs a number, got " + quoted(text)};
    if (status == NumberStatus::OutOfRange || value < low || value > high)
        throw UsageError{name + " must be between " + rangeText(low, high) + ", got " +
                         std::string(text)};
    return value;
}

int wholeIn(std::string_view option, std::string_view text, int low, int high)
{
    int value = 0;
    const NumberStatus status = toNumber(text, value);
    if (status == NumberStatus::NotANumber)
        throw UsageError{std::string(option) + " needs a whole number, got " + quoted(text)};
    if (status == NumberStatus::OutOfRange || value < low || value > high)
        throw UsageError{std::string(option) + " must be between " + std::to_string(low) + " and " +
                         std::to_string(high) + ", got " + std::string(text)};
    return value;
}

bool allDigits(std::string_view s, std::size_t minLength, std::size_t maxLength)
{
    if (s.size() < minLength || s.size() > maxLength)
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// YYYY-MM-DD; month and day may drop their leading zero.
std::optional<ravla::CivilDate> toDate(std::string_view s)
{
    const std::size_t first = s.find('-');
    const std::size_t second = first == std::string_view::npos ? first : s.find('-', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const std::string_view y = s.substr(0, first);
    const std::string_view m = s.substr(first + 1, second - first - 1);
    const std::string_view d = s.substr(second + 1);
    if (!allDigits(y, 4, 4) || !allDigits(m, 1, 2) || !allDigits(d, 1, 2))
        return std::nullopt;
    ravla::CivilDate date;
    std::from_chars(y.data(), y.data() + y.size(), date.year);
    std::from_chars(m.data(), m.data() + m.size(), date.month);
    std::from_chars(d.data(), d.data() + d.size(), date.day);
    return date;
}

ravla::CivilDate existingDate(std::string_view option, std::string_view text)
{
    const std::optional<ravla::CivilDate> date = toDate(text);
    if (!date)
        throw UsageError{std::string(option) + " needs a date as YYYY-MM-DD, got " + quoted(text)};
    if (ravla::civilDayNumber(*date) == 0)
        throw UsageError{std::string(option) + ": " + std::string(text) + " does not exist"};
    return *date;
}

ravla::DstRule dstRule(std::string_view text)
{
    ravla::DstRule rule;
    if (text == "none") {
        rule.kind = ravla::DstRule::None;
        return rule;
    }
    if (text == "auto") {
        rule.kind = ravla::DstRule::Automatic;
        return rule;
    }
    const std::size_t dots = text.find("..");
    if (dots == std::string_view::npos || !toDate(text.substr(0, dots)) ||
        !toDate(text.substr(dots + 2)))
        throw UsageError{"--dst needs none, auto or FIRST..END with dates as YYYY-MM-DD, got " +
                         quoted(text)};
    rule.kind = ravla::DstRule::Range;
    rule.start = existingDate("--dst", text.substr(0, dots));
    rule.end = existingDate("--dst", text.substr(dots + 2));
    if (ravla::civilDayNumber(rule.end) <= ravla::civilDayNumber(rule.start))
        throw UsageError{"--dst range must end after it starts, got " + std::string(text)};
    return rule;
}

// Seven whole minutes, İmsak first as in the timetable, into the engine's order.
void offsets(std::string_view text, int (&out)[7])
{
    static const char *const names[] = {"Imsak", "Fajr",    "sunrise", "Dhuhr",
                                        "Asr",   "Maghrib", "Isha"};
    static const ravla::PrayerIndex entries[] = {ravla::Imsak, ravla::Fajr, ravla::Sunrise,
                                                 ravla::Dhuhr, ravla::Asr,  ravla::Maghrib,
                                                 ravla::Isha};
    const std::string form = "--offsets needs seven whole minutes as "
                             "IMSAK,FAJR,SUNRISE,DHUHR,ASR,MAGHRIB,ISHA, got " +
                             quoted(text);
    std::string_view rest = text;
    for (int i = 0; i < 7; ++i) {
        const std::size_t comma = rest.find(',');
        if ((i < 6) == (comma == std::string_view::npos))
            throw UsageError{form};
        const std::string_view field = rest.substr(0, comma);
        int minutes = 0;
        const NumberStatus status = toNumber(field, minutes);
        if (status == NumberStatus::NotANumber)
            throw UsageError{form};
        if (status == NumberStatus::OutOfRange || minutes < -ravla::kMaxOffsetMinutes ||
            minutes > ravla::kMaxOffsetMinutes)
            throw UsageError{"--offsets: " + std::string(names[i]) +
                             " must be between -30 and 30, got " + std::string(field)};
        out[entries[i]] = minutes;
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
}

ravla::HighLatitudeRule highLatitude(std::string_view text)
{
    if (text == "nearest")
        return ravla::HighLatitudeRule::Nearest;
    if (text == "middle")
        return ravla::HighLatitudeRule::MiddleOfNight;
    if (text == "seventh")
        return ravla::HighLatitudeRule::OneSeventh;
    if (text == "angle")
        return ravla::HighLatitudeRule::TwilightAngle;
    throw UsageError{"--high-lat needs nearest, middle, seventh or angle, got " + quoted(text)};
}

Format format(std::string_view text)
{
    if (text == "text")
        return Format::Text;
    if (text == "csv")
        return Format::Csv;
    if (text == "json")
        return Format::Json;
    if (text == "pdf")
        return Format::Pdf;
    if (text == "ics")
        return Format::Ics;
    throw UsageError{"--format needs text, csv, json, pdf or ics, got " + quoted(text)};
}

// The IANA zone of a JAKIM zone's clock.
std::string malaysianClock(const JakimBolge::Bolge &b)
{
    return b.eyalet == QLatin1String("Sabah") || b.eyalet == QLatin1String("Sarawak")
               ? "Asia/Kuching"
               : "Asia/Kuala_Lumpur";
}

// --zone-code: the JAKIM zone's reference point, its clock and, unless another was asked for,
// JAKIM's method.
void zoneByCode(Options &o, bool haveTz)
{
    const JakimBolge::Bolge *b = JakimBolge::koduyla(QString::fromStdString(o.zoneCode));
    if (!b) {
        std::string codes;
        for (const JakimBolge::Bolge &z : JakimBolge::bolgeler())
            codes += (codes.empty() ? "" : " ") + z.kod.toStdString();
        throw UsageError{"--zone-code: no JAKIM zone " + quoted(o.zoneCode) + "; the zones are " +
                         codes};
    }
    JakimBolge::Eslesme e;
    e.bolge = b;
    jakimBolgesineKoy(o, e);
    if (o.zone.empty())
        o.zone = malaysianClock(*b);
    if (!haveTz)
        o.inputs.timeZone = 8;
    if (!o.methodGiven)
        o.inputs.methodCode = 14;
    if (o.place.empty()) // the heading adds the zone itself
        o.place = b->eyalet.toStdString() + ", Malezya";
}

void parseInto(const std::vector<std::string> &args, Options &o)
{
    bool haveLat = false, haveLon = false, haveTz = false, haveMethod = false, haveDays = false,
         haveLang = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            return;
        }
        if (arg == "--hanafi") {
            o.inputs.hanafi = true;
            continue;
        }
        if (arg.substr(0, 9) == "--hanafi=")
            throw UsageError{"--hanafi takes no value"};
        if (arg == "--ics-all") {
            o.icsAll = true;
            continue;
        }
        if (arg.substr(0, 10) == "--ics-all=")
            throw UsageError{"--ics-all takes no value"};
        if (arg.substr(0, 2) != "--")
            throw UsageError{"unexpected argument " + quoted(arg)};

        // Both "--lat 41" and "--lat=41".
        std::string_view option = arg;
        std::string_view value;
        bool haveValue = false;
        if (const std::size_t eq = arg.find('='); eq != std::string_view::npos) {
            option = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            haveValue = true;
        }
        static const std::string_view known[] = {
            "--lat",     "--lon",      "--tz",           "--date",      "--days",
            "--method",  "--custom",   "--dst",          "--format",    "--zone",
            "--offsets", "--high-lat", "--hijri-offset", "--output",    "--place",
            "--city",    "--country",  "--lang",         "--zone-code", "--hijri"};
        bool isKnown = false;
        for (std::string_view k : known)
            isKnown = isKnown || option == k;
        if (!isKnown)
            throw UsageError{"unknown option " + quoted(option)};
        if (!haveValue) {
            // A following option means the value was forgotten; "-3.5" is still a value.
            if (i + 1 >= args.size() || std::string_view(args[i + 1]).substr(0, 2) == "--")
                throw UsageError{std::string(option) + " needs a value"};
            value = args[++i];
        }

        if (option == "--lat") {
            o.inputs.latitude = realIn(option, value, -90, 90);
            haveLat = true;
        } else if (option == "--lon") {
            o.inputs.longitude = realIn(option, value, -180, 180);
            haveLon = true;
        } else if (option == "--tz") {
            o.inputs.timeZone = realIn(option, value, -15, 15);
            haveTz = true;
        } else if (option == "--date") {
            o.date = existingDate(option, value);
            if (ravla::civilDayNumber(o.date) < ravla::civilDayNumber(kFirstSupportedDate) ||
                ravla::civilDayNumber(o.date) > ravla::civilDayNumber(kLastSupportedDate))
                throw UsageError{"--date must be between 1582-10-15 and 9999-12-31, got " +
                                 std::string(value)};
        } else if (option == "--days") {
            o.days = wholeIn(option, value, 1, kMaxDays);
            haveDays = true;
        } else if (option == "--method") {
            o.inputs.methodCode = wholeIn(option, value, 1, ravla::kMethodCount);
            haveMethod = true;
        } else if (option == "--custom") {
            const std::size_t comma = value.find(',');
            if (comma == std::string_view::npos)
                throw UsageError{"--custom needs two angles as FAJR,ISHA, got " + quoted(value)};
            o.inputs.fajrAngle = realIn(option, value.substr(0, comma), 0, 90, "--custom angles");
            o.inputs.ishaAngle = realIn(option, value.substr(comma + 1), 0, 90, "--custom angles");
            o.inputs.customMethod = true;
        } else if (option == "--offsets") {
            offsets(value, o.inputs.offsets);
        } else if (option == "--high-lat") {
            o.inputs.highLatitudeRule = highLatitude(value);
        } else if (option == "--hijri-offset") {
            o.inputs.hijriOffset =
                wholeIn(option, value, -ravla::kMaxHijriOffset, ravla::kMaxHijriOffset);
        } else if (option == "--hijri") {
            if (value == "tabular")
                o.inputs.hijriCalendar = ravla::HijriCalendar::Tabular;
            else if (value == "diyanet")
                o.inputs.hijriCalendar = ravla::HijriCalendar::Diyanet;
            else if (value == "ummalqura")
                o.inputs.hijriCalendar = ravla::HijriCalendar::UmmAlQura;
            else
                throw UsageError{"--hijri: expected tabular, diyanet or ummalqura, got " +
                                 quoted(value)};
        } else if (option == "--dst") {
            o.inputs.dst = dstRule(value);
        } else if (option == "--zone") {
            if (!SaatDilimi::bilinir(QString::fromStdString(std::string(value))))
                throw UsageError{"--zone: unknown time zone " + quoted(value)};
            o.zone = value;
        } else if (option == "--output") {
            if (value.empty())
                throw UsageError{"--output needs a file name"};
            o.output = value;
        } else if (option == "--place") {
            o.place = value;
        } else if (option == "--city") {
            if (value.empty())
                throw UsageError{"--city needs a place's name"};
            o.city = value;
        } else if (option == "--lang") {
            if (value != "tr" && value != "ar" && value != "de" && value != "en")
                throw UsageError{"--lang needs tr, ar, de or en, got " + quoted(value)};
            o.lang = value;
            haveLang = true;
        } else if (option == "--zone-code") {
            if (value.empty())
                throw UsageError{"--zone-code needs a JAKIM zone's code"};
            o.zoneCode = value;
        } else if (option == "--country") {
            if (value.empty())
                throw UsageError{"--country needs a country's name"};
            o.country = value;
        } else {
            o.format = format(value);
        }
    }

    // A page is one month; a run of days has no page to go on.
    if (o.format == Format::Pdf && haveDays)
        throw UsageError{"--days cannot be used with --format pdf: the page holds the month of "
                         "--date"};
    if (o.format == Format::Pdf && o.date.year == kFirstSupportedDate.year &&
        o.date.month == kFirstSupportedDate.month)
        throw UsageError{"--format pdf: October 1582 begins before the calendar does "
                         "(1582-10-15); the first whole month is November 1582"};
    if (o.format == Format::Pdf && o.output.empty())
        throw UsageError{"--format pdf needs --output FILE"};
    // The other formats' words are fixed: English for scripts, Turkish on the page.
    if (o.format != Format::Ics && o.icsAll)
        throw UsageError{"--ics-all goes with --format ics only"};
    if (o.format != Format::Ics && haveLang)
        throw UsageError{"--lang goes with --format ics only"};

    if (ravla::civilDayNumber(o.date) + (o.days - 1) > ravla::civilDayNumber(kLastSupportedDate))
        throw UsageError{"the run must end by 9999-12-31"};
    if (haveMethod && o.inputs.customMethod)
        throw UsageError{"--method and --custom cannot be used together"};
    o.methodGiven = haveMethod || o.inputs.customMethod;
    o.tzGiven = haveTz;
    o.zoneGiven = !o.zone.empty();
    if (!o.country.empty() && o.city.empty())
        throw UsageError{"--country needs --city"};
    if (!o.zoneCode.empty()) {
        if (haveLat || haveLon || !o.city.empty())
            throw UsageError{"--zone-code cannot be used with --city, --lat or --lon"};
        zoneByCode(o, haveTz);
        return;
    }
    if (!o.city.empty()) {
        if (haveLat || haveLon)
            throw UsageError{"--city cannot be used with --lat or --lon"};
        return; // the rest comes from the city database
    }
    if (!haveLat)
        throw UsageError{"--lat is required"};
    if (!haveLon)
        throw UsageError{"--lon is required"};
    if (!haveTz && o.zone.empty())
        throw UsageError{"--tz is required (or --zone)"};
    if (!haveTz) // the zone's standard offset
        o.inputs.timeZone =
            SaatDilimi::standartOfset(QString::fromStdString(o.zone), o.date.year).value_or(0);
    // JAKIM's method in Malaysia: the zone of the nearest place JAKIM names, unless the clock
    // given is another country's (Singapore lies a few kilometres from Johor Bahru).
    if (o.inputs.methodCode == 14 && !o.inputs.customMethod &&
        (o.zone.empty() || o.zone == "Asia/Kuala_Lumpur" || o.zone == "Asia/Kuching")) {
        const JakimBolge::Eslesme e =
            JakimBolge::elleGirilen(o.inputs.latitude, o.inputs.longitude);
        jakimBolgesineKoy(o, e);
        // Malaysia's clock, unless --dst says otherwise: no summer time.
        if (e.bolge && o.zone.empty() && o.inputs.dst.kind == ravla::DstRule::Automatic)
            o.zone = malaysianClock(*e.bolge);
    }
}

} // namespace

std::string parseArguments(const std::vector<std::string> &args, const ravla::CivilDate &today,
                           Options &options)
{
    options = Options{};
    options.date = today;
    try {
        parseInto(args, options);
    } catch (const UsageError &e) {
        return oneLine(e.message);
    }
    return {};
}

namespace {

std::string utf8(const QString &s)
{
    return s.toUtf8().toStdString();
}

// The arguments that pick this place and no other.
std::string pickingArguments(const SehirVeritabani::Bulunan &b)
{
    QString ad = SehirVeritabani::sehirAdiniAyikla(b.satir);
    ad.replace(QLatin1Char(','), QLatin1String(", "));
    return "--city " + quoted(utf8(ad)) + " --country " + quoted(utf8(b.ulke));
}

CityResult findCity(Options &o, const std::string &folder)
{
    const QString klasor = QString::fromStdString(folder);
    if (!SehirVeritabani::ulkeler(klasor))
        return {"--city: the city database is missing (" + folder + "liste.dat)", {}};
    QString ulke;
    if (!o.country.empty()) {
        const QStringList ulkeler =
            SehirVeritabani::ulkeAra(klasor, QString::fromStdString(o.country));
        if (ulkeler.isEmpty())
            return {"--country: no country called " + quoted(o.country) + " in the city database",
                    {}};
        if (ulkeler.size() > 1) {
            CityResult r{"--country " + quoted(o.country) + " could mean " +
                             std::to_string(ulkeler.size()) + " countries:",
                         {}};
            for (const QString &u : ulkeler)
                r.candidates.push_back("--country " + quoted(utf8(u)));
            return r;
        }
        ulke = ulkeler.front();
    }
    const QList<SehirVeritabani::Bulunan> bulunan =
        SehirVeritabani::sehirAra(klasor, QString::fromStdString(o.city), ulke);
    const std::string where = ulke.isEmpty() ? std::string() : " in " + utf8(ulke);
    if (bulunan.isEmpty())
        return {"--city: no place called " + quoted(o.city) + where + " in the city database", {}};
    if (bulunan.size() > 1) {
        CityResult r{"--city " + quoted(o.city) + " could mean " + std::to_string(bulunan.size()) +
                         " places" + where + "; pick one:",
                     {}};
        constexpr int kShown = 30;
        for (const SehirVeritabani::Bulunan &b : bulunan.mid(0, kShown))
            r.candidates.push_back(pickingArguments(b));
        if (bulunan.size() > kShown)
            r.candidates.push_back("... and " + std::to_string(bulunan.size() - kShown) + " more");
        return r;
    }

    const SehirVeritabani::Bulunan &b = bulunan.front();
    const SehirVeritabani::Koordinat k = SehirVeritabani::koordinatlariAyikla(b.satir);
    if (!k.hata.isEmpty())
        return {"--city: the city database's line for " + quoted(o.city) +
                    " is damaged: " + utf8(b.satir),
                {}};
    o.inputs.latitude = k.enlem;
    o.inputs.longitude = k.boylam;
    if (!o.zoneGiven && SaatDilimi::bilinir(k.saatDilimi))
        o.zone = utf8(k.saatDilimi);
    if (!o.tzGiven)
        o.inputs.timeZone =
            o.zone.empty() ? k.gmt
                           : SaatDilimi::standartOfset(QString::fromStdString(o.zone), o.date.year)
                                 .value_or(k.gmt);
    if (!o.methodGiven)
        if (const int yontem = SehirVeritabani::ulkeninYontemi(b.ulke))
            o.inputs.methodCode = yontem;
    if (o.place.empty())
        o.place = utf8(b.satir.section(QLatin1Char(','), 0, 0) + QStringLiteral(", ") + b.ulke);
    if (o.inputs.methodCode == 14 && !o.inputs.customMethod && JakimBolge::malezya(b.ulke))
        jakimBolgesineKoy(o, JakimBolge::listedekiYer(b.satir.section(QLatin1Char(','), 0, 0),
                                                      b.satir.section(QLatin1Char(','), 1, 1),
                                                      k.enlem, k.boylam));
    return {};
}

} // namespace

// What was typed is echoed, and so are the database's names: each stays one line.
CityResult resolveCity(Options &options, const std::string &folder)
{
    CityResult r = findCity(options, folder);
    r.error = oneLine(r.error);
    for (std::string &c : r.candidates)
        c = oneLine(c);
    return r;
}

std::string usage()
{
    std::string methods;
    for (int code = 1; code <= ravla::kMethodCount; ++code) {
        methods += std::string(code < 10 ? 26 : 25, ' ') + std::to_string(code) + "  " +
                   methodTitle(code) + "\n";
    }
    return R"(Usage: ravla-vakit --lat DEG --lon DEG --tz HOURS [options]
       ravla-vakit --city NAME [--country NAME] [options]
       ravla-vakit --zone-code CODE [options]

Prints the prayer times Ravla Namaz Vakti shows for a place, for one day
or a run of days.

Place (--lat, --lon and --tz, or --city):
  --lat DEG              latitude in degrees, north positive (-90..90)
  --lon DEG              longitude in degrees, east positive (-180..180)
  --tz HOURS             time zone in hours east of UTC, fractions allowed
                         (-15..15, e.g. 2, 5.5, -3.5, 5.75)
  --zone NAME            the place's IANA time zone (e.g. Europe/Istanbul,
                         America/New_York); with --dst auto its own clock
                         changes apply; --tz may then be left out (the zone's
                         standard offset)
  --city NAME            instead of --lat, --lon and --tz: a place of the
                         program's city database, found as the options
                         dialog's filter finds it (case and accents ignored),
                         e.g. Berlin, "Adana, Adana", istanbul; its zone, and
                         unless --method or --custom is given its country's
                         own method (Türkiye 8, Suudi Arabistan 9 ...)
  --country NAME         the country to look in, as the database names it
                         (e.g. Almanya, Türkiye); without it every country
  --zone-code CODE       instead of a place: a JAKIM zone of Malaysia (e.g.
                         SWK08), computed at the zone's reference point with
                         JAKIM's method unless --method or --custom is given.
                         With method 14 a Malaysian --city, or a --lat/--lon
                         within 100 km of a place JAKIM names, takes its
                         zone's reference point the same way

Days:
  --date YYYY-MM-DD      first day (default: today); 1582-10-15 to 9999-12-31
  --days N               number of days, 1..36600 (default: 1)

Method:
  --method N             calculation method (default: 5):
)" + methods +
           R"(  --custom FAJR,ISHA     own Fajr and Isha angles in degrees (0..90), e.g. 18.5,17;
                         not together with --method
  --hanafi               Hanafi Asr (shadow twice the length of the object);
                         without it Asr is standard, for method 3 too
  --offsets I,F,S,D,A,M,N
                         your own minutes added to Imsak, Fajr, sunrise, Dhuhr,
                         Asr, Maghrib and Isha (each -30..30), on top of the
                         method's own, e.g. 0,0,0,0,0,2,0
  --high-lat RULE        where the Sun does not sink to the twilight angle, or
                         only late in the night:
                         nearest  Fajr and Isha of the nearest day that has
                                  them, only when missing (default)
                         middle   Fajr no earlier than half the night before
                                  sunrise, Isha no later than half after sunset
                         seventh  the same with a seventh of the night
                         angle    the same with the angle/60 of the night
                         (the night runs from sunset to the next sunrise)

Hijri date:
  --hijri CALENDAR       tabular    the 30-year arithmetical cycle (default)
                         diyanet    Diyanet's: the unified Hijri calendar
                         ummalqura  Saudi Arabia's Umm al-Qura
  --hijri-offset N       move the Hijri date by N days (-2..2) to follow the
                         moon sighting of your country; Umm al-Qura's Ramadan
                         Isha (method 9) follows the calendar's Ramadan

Daylight saving (one hour added to every time):
  --dst auto             from the last Sunday of March up to the last Sunday of
                         October (default); with --zone, the zone's own rules
  --dst none             never
  --dst FIRST..END       from FIRST up to but not including END, both YYYY-MM-DD,
                         e.g. 2026-03-29..2026-10-25

Output:
  --format text          aligned table with a heading (default)
  --format csv           one line per day under the header
                         date,imsak,fajr,sunrise,dhuhr,asr,maghrib,isha,hijri,qibla
  --format json          an array with one object per day
  --format pdf           the month of --date on one A4 page, ready to print:
                         place, method, a row per day with the Gregorian and
                         Hijri date and the seven times (hh:mm), a legend,
                         in Turkish; needs --output, refuses --days; needs no
                         display
  --format ics           an iCalendar file (RFC 5545) to import into a calendar:
                         an event of 15 minutes at each of Fajr, Dhuhr, Asr,
                         Maghrib and Isha of every day, in UTC; importing it
                         again replaces the same place's events of those days;
                         a time the day does not have gets no event
  --ics-all              with ics: Imsak and sunrise as events too
  --lang CODE            with ics: the events' words in tr (default), ar, de
                         or en
  --output FILE          write to FILE instead of standard output (any format)
  --place NAME           the page's heading, e.g. "Ulu Camii, Bursa" (default:
                         the coordinates); pdf and ics (as the events' place)
                         show it
  -h, --help             show this help

Times are local clock times H:MM:SS. 99:99:00 means the time does not occur that
day; with daylight saving a late time can read 24:MM:SS or more. A * after a time
(text and csv) marks an estimate by the --high-lat rule: the Sun does not reach
the twilight angle that night (or, with middle, seventh and angle, reaches it
too late), so the time is taken from the nearest day on which it does, or from
the portion of the night (Imsak: ten minutes before such a Fajr, with method 8
that Fajr; a marked Maghrib of method 18 is the sunset or the rule's bound).
Hijri dates are day.month.year; the Qibla is in whole degrees clockwise from
north.

JSON objects have the fields date (YYYY-MM-DD), imsak, fajr, sunrise, dhuhr, asr,
maghrib, isha (times as strings, without *), imsakExtreme, fajrExtreme,
sunriseExtreme, dhuhrExtreme, asrExtreme, maghribExtreme, ishaExtreme (true where
csv shows *), hijri (string), qibla (number) and day (the religious days
and nights listed on it, in English; empty for none).

Options take their value as "--lat 41" or "--lat=41". Invalid input exits with
status 2, as does a --city that names no place or more than one (the candidates
are listed); a file that cannot be written, with status 1.
)";
}

} // namespace vakit
