#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace velmora::trade {

// The steps the "Trade" view walks the referee through.
inline constexpr std::array<const char*, 7> tradeGuidanceSteps = {
    "Adjust **World** at top, **Ship**, or **Max Range** if needed. These default to the "
    "campaign's. Set counterpart's **Broker** skill.",
    "Set **Negotiator** and **Steward** \u2014 pick a player to use their stats, or leave "
    "Outside/NPC to enter stats manually.",
    "Check which **categories** to generate (Passengers/Freight/Mail/Cargo), and **Black Market "
    "Supplier** if dealing in contraband.",
    "Enter the players rolls in each relevant field. If you leave a field blank, the app will "
    "roll it for you.",
    "Press **Generate Market** (or **Regenerate Market** to reroll with the same inputs).",
    "**Book** offered passengers, **Accept** freight lots, and **Accept** mail (picking a "
    "destination, or Unspecified).",
    "At the destination world, use the manifest's **Deliver** (freight/mail), **Sell\u2026** "
    "(cargo), or **Jettison** to resolve what's aboard.",
};

inline constexpr const char* tradeHelpText =
    "Mongoose Traveller 2e Trade rules (pp. 238\u2013245). Passenger and freight traffic are "
    "rolled per destination within the chosen range; speculative cargo is priced once per good "
    "at this world. Profitability projections use 3D's average (11), best (18) and worst (3) "
    "rolls \u2014 actual results at the table will vary.";

inline constexpr const char* prospectFocusHelp =
    "If you have a specific destination in mind, select it in the **Prospect Focus** menu "
    "below. This will highlight the best choices for that location.";

// "**Book**" in bold, the rest escaped: the texts mark what to press that way.
inline QString boldMarkup(const QString& text) {
    const QStringList parts = text.split(QStringLiteral("**"));
    QString html;
    for (qsizetype i = 0; i < parts.size(); ++i)
        html += i % 2 == 1
                    ? QStringLiteral("<b>") + parts[i].toHtmlEscaped() + QStringLiteral("</b>")
                    : parts[i].toHtmlEscaped();
    return html;
}

inline QString boldMarkup(const std::string& text) {
    return boldMarkup(QString::fromStdString(text));
}

inline QString boldMarkup(const char* text) {
    return boldMarkup(QString::fromUtf8(text));
}

} // namespace velmora::trade
