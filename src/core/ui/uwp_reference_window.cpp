#include "core/ui/uwp_reference_window.h"

#include "core/base.h"
#include "core/profile_texts.h"
#include "core/starport.h"
#include "core/technology_level.h"
#include "core/trade_class.h"
#include "core/uwp.h"
#include "ui/qt_text.h"
#include "ui/reference_table.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velmora::core {

namespace {

// Values past the last extended-hex digit (megastructures) are shown as numbers.
QString digit(int value) {
    const char code = ehex(value);
    return code == '?' ? QString::number(value) : QString(QChar::fromLatin1(code));
}

QString starportFacilities(Starport starport) {
    switch (starport) {
    case Starport::typeA:
        return QObject::tr("Refined fuel; shipyard building starships; overhaul and repair");
    case Starport::typeB:
        return QObject::tr("Refined fuel; shipyard building spacecraft; overhaul and repair");
    case Starport::typeC:
        return QObject::tr("Unrefined fuel; shipyard building small craft; repair");
    case Starport::typeD:
        return QObject::tr("Unrefined fuel; limited repair; no shipyard");
    case Starport::typeE:
        return QObject::tr("A marked landing site; no fuel, repair or shipyard");
    case Starport::typeX:
        return QObject::tr("No starport; often an interdicted world");
    case Starport::typeF:
        return QObject::tr("Spaceport of a secondary world: good facilities, unrefined fuel");
    case Starport::typeG:
        return QObject::tr("Spaceport of a secondary world: poor facilities, unrefined fuel");
    case Starport::typeH:
        return QObject::tr("Spaceport of a secondary world: basic landing site only");
    case Starport::typeY:
        return QObject::tr("No spaceport on a secondary world");
    }
    return {};
}

QString baseName(Base base) {
    switch (base) {
    case Base::corsairBase:
        return QObject::tr("Corsair base");
    case Base::navalDepot:
        return QObject::tr("Naval depot");
    case Base::embassy:
        return QObject::tr("Embassy");
    case Base::navalBase:
        return QObject::tr("Naval base");
    case Base::militaryBase:
        return QObject::tr("Military base");
    case Base::imperialNavalBase:
        return QObject::tr("Imperial naval base");
    case Base::clanBase:
        return QObject::tr("Clan base");
    case Base::scoutBase:
        return QObject::tr("Scout base");
    case Base::tlaukhuBase:
        return QObject::tr("Tlaukhu base");
    case Base::explorationBase:
        return QObject::tr("Exploration base");
    case Base::wayStation:
        return QObject::tr("Scout way station");
    }
    return {};
}

// What a society can build at each Traveller tech level, in a phrase.
QString travellerEra(int level) {
    static const char* const eras[] = {
        "Stone Age: primitive tools",
        "Bronze and Iron Age",
        "Renaissance",
        "Industrial Revolution: steam power",
        "Mechanisation: internal combustion",
        "Broadcast age: radio, early aircraft",
        "Atomic age: nuclear fission, jet aircraft",
        "Space age: early computers, orbital flight",
        "Information age: in-system spacecraft",
        "Pre-stellar: grav vehicles, early fusion",
        "Early stellar: jump drive J-1",
        "Average stellar: J-2, early robots",
        "Average stellar: J-3, weather control",
        "Average stellar: J-4, battle dress",
        "High stellar: J-5, flying cities",
        "High stellar: J-6, black globes",
        "Extreme stellar: artificial persons",
        "Extreme stellar: beyond charted science",
        "Extreme stellar",
        "Extreme stellar",
        "Extreme stellar",
        "Extreme stellar",
        "Extreme stellar",
    };
    return QObject::tr(eras[level]);
}

QString shortScaleMeaning(TechnologyLevel level) {
    switch (level) {
    case TechnologyLevel::tl0:
        return QObject::tr("Neolithic: stone tools, no writing");
    case TechnologyLevel::tl1:
        return QObject::tr("Medieval: iron, sail, muscle power");
    case TechnologyLevel::tl2:
        return QObject::tr("Early industrial: gunpowder, steam");
    case TechnologyLevel::tl3:
        return QObject::tr("Twentieth century: radio, flight, nuclear power");
    case TechnologyLevel::tl4:
        return QObject::tr("Baseline interstellar: spike drives, gravitics");
    case TechnologyLevel::tl4Plus:
        return QObject::tr("Advanced interstellar: a specialised lead over TL4");
    case TechnologyLevel::tl5:
        return QObject::tr("Pretech: the height of the old golden age");
    case TechnologyLevel::tl6:
        return QObject::tr("Beyond pretech: near-godlike technology");
    default:
        return {};
    }
}

QWidget* profilePage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* text = new QLabel(page);
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setText(QObject::tr("<h3>Reading a profile</h3>"
                              "<p>A world's profile reads <b>StpSizAtm.Hyd.PopGovLaw-TL</b>, then "
                              "its bases: the starport letter, "
                              "one digit each for size, atmosphere, hydrographics, population, "
                              "government and law level, a dash "
                              "and the tech level digit. For example <tt>A788899-C NS</tt> is a "
                              "world with an excellent starport, "
                              "size 7, dense atmosphere, 80% water, hundreds of millions of "
                              "people, an impersonal bureaucracy, high "
                              "law, tech level 12, and naval and scout bases.</p>"
                              "<p>Digits above 9 use extended hexadecimal: A = 10, B = 11, … H = "
                              "17, then J = 18 to N = 22, then "
                              "P = 23 upwards. The letters I and O are never used, so they cannot "
                              "be mistaken for 1 and 0.</p>"
                              "<p>A dash (—) in place of bases means the world has none.</p>"));
    layout->addWidget(text);
    std::vector<QStringList> rows;
    for (int value = 0; value <= 25; ++value)
        rows.push_back({QString::number(value), digit(value)});
    layout->addWidget(
        ui::makeReferenceTable({QObject::tr("Value"), QObject::tr("Digit")}, rows, page), 1);
    return page;
}

} // namespace

UwpReferenceWindow::UwpReferenceWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_tabs(new QTabWidget(this)) {
    setWindowTitle(tr("UWP Reference"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);

    m_tabs->addTab(profilePage(m_tabs), tr("Profile"));

    std::vector<QStringList> starports;
    for (std::size_t i = 0; i < starportTable.size(); ++i) {
        const auto port = static_cast<Starport>(i);
        starports.push_back({QString(QChar::fromLatin1(letter(port))), qt(rawValue(port)),
                             starportFacilities(port)});
    }
    m_tabs->addTab(
        ui::makeReferencePage(
            tr("The starport letter leads the profile. F, G, H and Y are the spaceports "
               "of worlds other than the main world."),
            ui::makeReferenceTable({tr("Code"), tr("Quality"), tr("Facilities")}, starports)),
        tr("Starport"));

    const auto digitTable = [&](const QString& title, const QString& explanation,
                                const std::vector<int>& values, auto describe) {
        std::vector<QStringList> rows;
        for (int value : values)
            rows.push_back({digit(value), qt(describe(value))});
        m_tabs->addTab(ui::makeReferencePage(
                           explanation, ui::makeReferenceTable({tr("Code"), tr("Meaning")}, rows)),
                       title);
    };
    const auto range = [](int from, int to) {
        std::vector<int> values;
        for (int v = from; v <= to; ++v)
            values.push_back(v);
        return values;
    };
    auto sizes = range(0, 16);
    sizes.push_back(35);
    digitTable(
        tr("Size"),
        tr("Diameter: each step is 1,600 km. Larger values are gas giants and megastructures."),
        sizes, sizeText);
    digitTable(tr("Atmosphere"),
               tr("The protective gear needed is in brackets: S is a vacc suit or respirator, P a "
                  "filter, C a "
                  "protective suit."),
               range(0, 15), atmosphereText);
    digitTable(tr("Hydrographics"), tr("The share of the surface covered by liquid."), range(0, 10),
               hydrographicsText);
    digitTable(tr("Population"),
               tr("The power of ten of the head count; the P digit of a listing multiplies it."),
               range(0, 15), populationText);
    digitTable(tr("Government"), tr("How the world is ruled."), range(0, 15),
               governmentDescription);
    digitTable(tr("Law Level"), tr("What the law forbids; each level includes the ones below it."),
               range(0, 18), lawLevelText);

    std::vector<QStringList> levels;
    for (int number = 0; number <= 22; ++number)
        levels.push_back(
            {digit(number), qt(rawValue(travellerTechLevel(number))), travellerEra(number)});
    for (TechnologyLevel level :
         {TechnologyLevel::tl0, TechnologyLevel::tl1, TechnologyLevel::tl2, TechnologyLevel::tl3,
          TechnologyLevel::tl4, TechnologyLevel::tl4Plus, TechnologyLevel::tl5,
          TechnologyLevel::tl6})
        levels.push_back({qt(rawValue(level)), tr("%1 (short scale)").arg(qt(rawValue(level))),
                          shortScaleMeaning(level)});
    m_tabs->addTab(ui::makeReferencePage(
                       tr("Two scales: the Traveller levels TL0–TL22, written as one extended-hex "
                          "digit, and the short scale 0–6 with 4+."),
                       ui::makeReferenceTable({tr("Code"), tr("Level"), tr("Meaning")}, levels)),
                   tr("Tech Level"));

    std::vector<QStringList> bases;
    for (std::size_t i = 0; i < baseTable.size(); ++i) {
        const auto base = static_cast<Base>(i);
        bases.push_back({QString(QChar::fromLatin1(letter(base))), baseName(base)});
    }
    m_tabs->addTab(
        ui::makeReferencePage(tr("Base letters follow the profile, in alphabetical order."),
                              ui::makeReferenceTable({tr("Code"), tr("Base")}, bases)),
        tr("Bases"));

    std::vector<QStringList> codes;
    for (std::size_t i = 0; i < tradeClassTable.size(); ++i) {
        const auto tradeClass = static_cast<TradeClass>(i);
        codes.push_back({qt(code(tradeClass)), qt(displayName(tradeClass)),
                         qt(displayName(category(tradeClass)))});
    }
    m_tabs->addTab(
        ui::makeReferencePage(
            tr("Planetary, population, economic and climate codes follow from the profile; "
               "secondary, political and special codes are the referee's."),
            ui::makeReferenceTable({tr("Code"), tr("Name"), tr("Category")}, codes)),
        tr("Trade Codes"));
    resize(720, 560);
}

} // namespace velmora::core
