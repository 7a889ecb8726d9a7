#include "app/cli/campaign_commands.h"

#include "app/cli/cli_json.h"
#include "app/cli/cli_options.h"
#include "campaign/campaign.h"
#include "campaign/campaign_clock.h"
#include "campaign/campaign_journal.h"
#include "campaign/campaign_json.h"

#include <charconv>
#include <ostream>

namespace velmora::cli {

namespace {

// The campaign as the campaigns file holds it, and its date as the referee reads it.
nlohmann::json campaignJson(const campaign::Campaign& campaign) {
    nlohmann::json json = campaign;
    json["timeText"] = campaign.date.timeText();
    return json;
}

std::string universeName(CliContext& context, const std::optional<core::Uuid>& id) {
    if (!id)
        return {};
    for (const auto& header : context.universes().headers())
        if (header.id == *id)
            return header.name;
    return {};
}

int listCampaigns(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("campaigns", arguments, {}, {"--json"}, /*takesPositionals=*/true);
    if (!options.positionals().empty())
        throw CliError{"campaigns takes no arguments", 2};
    const auto& campaigns = context.campaigns().campaigns();
    if (options.flag("--json")) {
        nlohmann::json list = nlohmann::json::array();
        for (const auto& campaign : campaigns)
            list.push_back(campaignJson(campaign));
        printJson(context.out(), list);
        return 0;
    }
    for (const auto& campaign : campaigns)
        context.out() << campaign.code << '\t' << campaign.name << '\t' << campaign.date.timeText()
                      << "\tCr" << campaign.commonCredits << '\t'
                      << universeName(context, campaign.universeID) << '\n';
    return 0;
}

int newCampaign(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("campaign-new", arguments, {"--code", "--universe", "--description"}, {},
                          /*takesPositionals=*/true);
    if (options.positionals().size() != 1)
        throw CliError{"campaign-new needs the campaign's name, for example: campaign-new "
                       "\"Spinward Run\" --code SPIN",
                       2};
    const auto code = options.value("--code");
    if (!code)
        throw CliError{"campaign-new needs --code CODE (four letters)", 2};
    context.holdWriterLock();
    std::optional<core::Uuid> universeID;
    if (const auto text = options.value("--universe")) {
        universeID = core::Uuid::fromString(*text);
        if (!universeID)
            throw CliError{"Not a universe id: " + *text};
        if (!std::filesystem::exists(context.universes().fileFor(*universeID)))
            throw CliError{"No universe with the id " + *text + "."};
    } else {
        universeID = context.universes().current().id();
    }
    const auto created =
        context.campaigns().createCampaign(options.positionals().front(), *code, universeID,
                                           options.value("--description").value_or(""));
    if (!created.code)
        throw CliError{created.problem};
    if (const auto& error = context.campaigns().lastError())
        throw CliError{*error};
    context.out() << *created.code << '\n';
    return 0;
}

int advance(CliContext& context, const std::string& code, const std::vector<std::string>& rest) {
    if (rest.size() != 1)
        throw CliError{"campaign CODE advance needs a number of minutes, for example: advance 90",
                       2};
    std::int64_t minutes = 0;
    const std::string& text = rest.front();
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), minutes);
    if (error != std::errc() || end != text.data() + text.size())
        throw CliError{"\"" + text + "\" is not a whole number of minutes", 2};
    context.holdWriterLock();
    const std::string upper = campaignByCode(context, code).code;
    const auto report = context.campaigns().edit(upper, [&](campaign::Campaign& campaign) {
        return minutes < 0 ? campaign::rewindTime(campaign, -minutes)
                           : campaign::advanceTime(campaign, minutes);
    });
    if (const auto& failed = context.campaigns().lastError())
        throw CliError{*failed};
    context.out() << context.campaigns().campaign(upper)->date.timeText() << '\n'
                  << report.value_or("") << '\n';
    return 0;
}

int addNote(CliContext& context, const std::string& code, const std::vector<std::string>& rest) {
    const Options options("campaign CODE note", rest, {"--text"}, {}, /*takesPositionals=*/true);
    if (options.positionals().size() != 1)
        throw CliError{"campaign CODE note needs a title, for example: note \"Arrived at Regina\"",
                       2};
    context.holdWriterLock();
    const std::string upper = campaignByCode(context, code).code;
    const auto number = context.campaigns().edit(upper, [&](campaign::Campaign& campaign) {
        campaign::NoteFields fields = campaign::newNoteFields(campaign);
        fields.title = options.positionals().front();
        fields.content = options.value("--text").value_or("");
        const core::Uuid id = campaign::createNote(campaign, std::move(fields));
        return campaign::findNote(campaign, id)->number;
    });
    if (const auto& failed = context.campaigns().lastError())
        throw CliError{*failed};
    context.out() << *number << '\n';
    return 0;
}

int showCampaign(CliContext& context, const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments.front().starts_with("--"))
        throw CliError{"campaign needs a campaign code, for example: campaign SPIN", 2};
    const std::string code = arguments.front();
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (!rest.empty() && rest.front() == "advance")
        return advance(context, code, {rest.begin() + 1, rest.end()});
    if (!rest.empty() && rest.front() == "note")
        return addNote(context, code, {rest.begin() + 1, rest.end()});

    const Options options("campaign", rest, {}, {"--json"});
    const campaign::Campaign& campaign = campaignByCode(context, code);
    auto& out = context.out();
    if (options.flag("--json")) {
        printJson(out, campaignJson(campaign));
        return 0;
    }
    out << "Name: " << campaign.name << '\n';
    out << "Code: " << campaign.code << '\n';
    out << campaign::timeAndDateText(campaign) << '\n';
    out << "Common Credits: Cr" << campaign.commonCredits << '\n';
    out << "Universe: " << universeName(context, campaign.universeID) << '\n';
    out << "Players: " << campaign.players.size() << '\n';
    for (const auto& player : campaign.players)
        out << "  " << player.name << " (" << player.characterName << "): cash Cr" << player.cash
            << ", bank Cr" << player.bank << ", debt Cr" << player.debt << '\n';
    out << "Notes: " << campaign.notes.size() << '\n';
    for (const std::size_t i : campaign::sortedNoteIndexes(
             campaign.notes, campaign::NoteSortOrder::byNumber, campaign::SortDirection::ascending))
        out << "  " << campaign.notes[i].number << ". " << campaign.notes[i].title << " ("
            << campaign.notes[i].date.timeText() << ")\n";
    return 0;
}

} // namespace

std::vector<CliCommand> campaignCommands() {
    return {
        {"campaigns", "[--json]",
         "List the campaigns: code, name, date, common credits and universe.", listCampaigns},
        {"campaign-new", "NAME --code CODE [--universe ID] [--description TEXT]",
         "Start a campaign in the current (or the named) universe; prints its code.", newCampaign},
        {"campaign", "CODE [--json] | CODE advance MINUTES | CODE note TITLE [--text TEXT]",
         "Show a campaign with its players and notes; move its clock (a negative number "
         "rewinds); or add a note dated by its clock (prints the note's number).",
         showCampaign},
    };
}

} // namespace velmora::cli
