#include "app/cli/trade_commands.h"

#include "app/cli/cli_json.h"
#include "app/cli/cli_options.h"
#include "ships/saved_ship_designs_store.h"
#include "trade/market_generation.h"
#include "trade/trade_good.h"
#include "trade/trade_market_json.h"
#include "trade/trade_pricing.h"
#include "trade/universe_markets.h"

#include <QDir>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <ostream>
#include <utility>

namespace velmora::cli {

namespace {

int wholeOption(const Options& options, const std::string& name, int fallback, int lowest,
                int highest) {
    const auto text = options.value(name);
    if (!text)
        return fallback;
    const auto number = wholeNumber(*text);
    if (!number || *number < lowest || *number > highest)
        throw CliError{name + " \"" + *text + "\" must be a whole number from " +
                           std::to_string(lowest) + " to " + std::to_string(highest),
                       2};
    return *number;
}

// The trade profile of the main world at a hex: the world a market or a quote is for.
trade::TradeWorldProfile tradingWorld(const universe::RidivivevIzeviduv& universe,
                                      const core::GalacticCoordinates& coordinates) {
    const core::HexData* hex = universe.hexAt(coordinates);
    if (!hex)
        throw CliError{"There is no system at " + coordinates.description() + "."};
    auto world = trade::tradeWorldProfile(*hex);
    if (!world)
        throw CliError{"The system at " + coordinates.description() +
                       " has no main world to trade with."};
    return std::move(*world);
}

// "broker=2,socialStanding=9": the named skills of an outsider, the rest as an
// outsider's defaults.
trade::TradeSkillSet parseSkills(const std::string& option, const std::string& text) {
    static const std::map<std::string, int trade::TradeSkillSet::*> fields = {
        {"broker", &trade::TradeSkillSet::broker},
        {"streetwise", &trade::TradeSkillSet::streetwise},
        {"carouse", &trade::TradeSkillSet::carouse},
        {"steward", &trade::TradeSkillSet::steward},
        {"admin", &trade::TradeSkillSet::admin},
        {"socialStanding", &trade::TradeSkillSet::socialStanding},
        {"navalRank", &trade::TradeSkillSet::navalRank},
        {"scoutRank", &trade::TradeSkillSet::scoutRank}};
    trade::TradeSkillSet skills;
    for (const std::string& part : splitCommas(text)) {
        const auto equals = part.find('=');
        const auto field = fields.find(part.substr(0, equals));
        const auto value =
            equals == std::string::npos ? std::nullopt : wholeNumber(part.substr(equals + 1));
        if (field == fields.end() || !value)
            throw CliError{option + " \"" + part +
                               "\" is not SKILL=N; the skills are broker, streetwise, carouse, "
                               "steward, admin, socialStanding, navalRank and scoutRank",
                           2};
        skills.*(field->second) = *value;
    }
    return skills;
}

std::set<trade::TradeCategory> parseCategories(const std::string& text) {
    std::set<trade::TradeCategory> categories;
    for (const std::string& part : splitCommas(text)) {
        const auto category = trade::tradeCategoryTable.value(part);
        if (!category)
            throw CliError{"--categories \"" + part +
                               "\" is not one of passengers, freight, mail and cargo",
                           2};
        categories.insert(*category);
    }
    if (categories.empty())
        throw CliError{"--categories needs at least one of passengers, freight, mail and cargo", 2};
    return categories;
}

// --roll may be given many times, which the option reader does not allow: take
// them out first.
std::vector<std::string> takeRolls(std::vector<std::string>& arguments) {
    std::vector<std::string> rolls;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--roll") {
            if (i + 1 >= arguments.size())
                throw CliError{"--roll needs NAME=VALUE, for example --roll supplier=9", 2};
            rolls.push_back(arguments[++i]);
        } else if (arguments[i].starts_with("--roll=")) {
            rolls.push_back(arguments[i].substr(7));
        } else {
            rest.push_back(arguments[i]);
        }
    }
    arguments = std::move(rest);
    return rolls;
}

trade::TradeManualRolls parseRolls(const std::vector<std::string>& texts) {
    trade::TradeManualRolls rolls;
    for (const std::string& text : texts) {
        const auto equals = text.find('=');
        const trade::ManualRollField* field =
            trade::manualRollField(text.substr(0, std::min(equals, text.size())));
        const auto value =
            equals == std::string::npos ? std::nullopt : wholeNumber(text.substr(equals + 1));
        if (!field)
            throw CliError{"--roll \"" + text +
                               "\": NAME must be one of passengerHigh, passengerMiddle, "
                               "passengerBasic, passengerLow, freightMajor, freightMinor, "
                               "freightIncidental, mail, supplier and blackMarketSupplier",
                           2};
        if (!value || *value < 2 || *value > 12)
            throw CliError{"--roll \"" + text + "\": the value is the total on two dice, 2 to 12",
                           2};
        rolls.*(field->roll) = *value;
    }
    return rolls;
}

// What the market needs of the ship: how far it jumps and whether it carries weapons.
struct ShipForTrade {
    int jumpRating = 0;
    bool armed = false;
};

ShipForTrade savedShip(CliContext& context, const core::Uuid& id) {
    const std::filesystem::path support =
        QDir(context.locations().applicationSupportFolder()).absolutePath().toStdString();
    ships::SavedShipDesignsStore store(support / ships::SavedShipDesignsStore::rootFolderName);
    if (!store.contains(id))
        throw CliError{"No saved ship with the id " + id.toString() + "."};
    const auto saved = store.load(id);
    if (!saved)
        throw CliError{store.lastError().value_or("Couldn't open that ship.")};
    ShipForTrade ship;
    ship.jumpRating = saved->design.hasJumpDrive ? saved->design.jumpDriveRating : 0;
    ship.armed = !saved->design.weaponMounts.empty();
    return ship;
}

// A player's sheet gives the skills of a player source; an outsider brings their own.
trade::TradeSkillSet resolveSkills(const trade::TradeSkillSource& source,
                                   const campaign::Campaign* campaign, const std::string& role) {
    if (const auto skills = source.outsideSkills())
        return *skills;
    const auto id = source.playerID();
    if (campaign) {
        for (const campaign::PlayerInfo& player : campaign->players) {
            if (player.id != *id)
                continue;
            return {player.broker, player.streetwise,     player.carouse,   player.steward,
                    player.admin,  player.socialStanding, player.navalRank, player.scoutRank};
        }
    }
    throw CliError{"The campaign's " + role + " is no longer one of its players: give --" + role +
                   " SKILL=N,... instead."};
}

std::string worldText(const universe::RidivivevIzeviduv& universe,
                      const core::GalacticCoordinates& coordinates) {
    const core::HexData* hex = universe.hexAt(coordinates);
    const auto world = hex ? trade::tradeWorldProfile(*hex) : std::nullopt;
    const std::string name = world ? trade::marketWorldName(*world) : "(no world)";
    return name + " (" + coordinates.description() + ")";
}

// "1 ton", "40 tons".
std::string tonsText(int tons) {
    return std::to_string(tons) + (tons == 1 ? " ton" : " tons");
}

std::string signedText(int value) {
    return (value >= 0 ? "+" : "") + std::to_string(value);
}

std::string creditsWithCommas(long long amount) {
    std::string digits = std::to_string(amount < 0 ? -amount : amount);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return std::string(amount < 0 ? "-" : "") + "Cr" + digits;
}

void printMarket(std::ostream& out, const universe::RidivivevIzeviduv& universe,
                 const trade::TradeMarket& market) {
    out << "Market at " << worldText(universe, market.coordinates) << ", generated "
        << market.generatedOn.timeText() << (market.blackMarket ? ", black market sought" : "")
        << '\n';
    out << "Checks:\n";
    for (const trade::TradeCheck& check : market.checks) {
        out << "  " << check.label << ": " << check.diceCount << "D " << check.dice << ' '
            << signedText(check.modifier) << " = " << check.total();
        if (check.target)
            out << " against " << *check.target << (check.succeeded() ? ", success" : ", failure");
        out << " (" << trade::rawValue(check.source) << ")\n";
    }
    const auto destination = [&](const core::GalacticCoordinates& to) {
        return worldText(universe, to) + ", " +
               std::to_string(core::distance(market.coordinates, to)) + " pc";
    };
    out << "Passengers:\n";
    if (market.passengerOffers.empty())
        out << "  No passengers seeking transport right now.\n";
    for (const trade::PassengerOffer& offer : market.passengerOffers)
        out << "  " << destination(offer.destination) << ": " << offer.count << ' '
            << trade::displayName(offer.passageClass) << " at "
            << creditsWithCommas(offer.creditsEach) << " each\n";
    out << "Freight:\n";
    if (market.freightLots.empty())
        out << "  No freight lots on offer right now.\n";
    for (const trade::FreightLot& lot : market.freightLots)
        out << "  " << destination(lot.destination) << ": " << trade::rawValue(lot.size) << " lot, "
            << tonsText(lot.tons) << " at " << creditsWithCommas(lot.creditsPerTon) << "/ton\n";
    out << "Mail: " << market.mailContainers << " container"
        << (market.mailContainers == 1 ? "" : "s") << '\n';
    out << "Cargo:\n";
    if (market.cargoOffers.empty())
        out << "  No goods available from this supplier.\n";
    for (const trade::CargoOffer& offer : market.cargoOffers) {
        const trade::TradeGood* good = trade::tradeGood(offer.goodD66);
        out << "  " << offer.goodD66 << ' ' << (good ? good->name : "Unknown Good") << ": "
            << tonsText(offer.tons) << " at " << creditsWithCommas(offer.purchasePricePerTon)
            << "/ton" << (offer.illegal ? " (illegal)" : "") << '\n';
    }
    for (const std::string& notice :
         {trade::supplierNotice(market), trade::blackMarketNotice(market)})
        if (!notice.empty())
            out << notice << '\n';
}

int market(CliContext& context, const std::vector<std::string>& given) {
    std::vector<std::string> arguments = given;
    const auto rollTexts = takeRolls(arguments);
    const Options options("market", arguments,
                          {"--hex", "--universe", "--campaign", "--ship", "--categories", "--range",
                           "--supplier-broker", "--negotiator", "--steward"},
                          {"--black-market", "--save", "--json"});
    const auto hexText = options.value("--hex");
    if (!hexText)
        throw CliError{"market needs --hex SX,SY,CCRR, for example --hex 0,0,1910", 2};
    const core::GalacticCoordinates coordinates = parseHex(*hexText);
    const bool save = options.flag("--save");

    trade::TradeInputs inputs;
    inputs.manualRolls = parseRolls(rollTexts);
    const campaign::Campaign* campaign = nullptr;
    core::UniverseDate date = core::campaignStartDate();
    if (save)
        context.holdWriterLock();
    if (const auto code = options.value("--campaign")) {
        campaign = &campaignByCode(context, *code);
        inputs.negotiator = campaign->tradeNegotiator;
        inputs.steward = campaign->tradeSteward;
        inputs.supplierBrokerSkill = campaign->tradeSupplierBrokerSkill;
        inputs.shipDesignID = campaign->shipDesignID;
        date = campaign->date;
    }
    if (const auto text = options.value("--negotiator"))
        inputs.negotiator = trade::TradeSkillSource::outside(parseSkills("--negotiator", *text));
    if (const auto text = options.value("--steward"))
        inputs.steward = trade::TradeSkillSource::outside(parseSkills("--steward", *text));
    inputs.supplierBrokerSkill =
        wholeOption(options, "--supplier-broker", inputs.supplierBrokerSkill, 0, 15);
    if (const auto text = options.value("--ship")) {
        inputs.shipDesignID = core::Uuid::fromString(*text);
        if (!inputs.shipDesignID)
            throw CliError{"Not a ship design id: " + *text, 2};
    }
    // The ship sets the range (its jump rating) and the mail DM for being armed;
    // without one the range is 2 parsecs.
    std::optional<ShipForTrade> ship;
    if (inputs.shipDesignID)
        ship = savedShip(context, *inputs.shipDesignID);
    const int defaultRange =
        ship ? std::clamp(ship->jumpRating, trade::shortestMarketRange, trade::longestMarketRange)
             : 2;
    const int range = wholeOption(options, "--range", defaultRange, trade::shortestMarketRange,
                                  trade::longestMarketRange);

    std::string universeID = options.value("--universe").value_or("");
    if (universeID.empty() && campaign && campaign->universeID)
        universeID = campaign->universeID->toString();
    universe::RidivivevIzeviduv& universe = universeNamed(context, universeID);
    const trade::TradeWorldProfile world = tradingWorld(universe, coordinates);

    const trade::UniverseMarkets stored = trade::readUniverseMarkets(universe.record());
    if (stored.unreadable())
        context.err() << "velmora-cli: " << trade::unreadableMarketsText << ' ' << stored.error
                      << '\n';

    trade::MarketRequest request;
    request.hexes = universe.data();
    request.coordinates = coordinates;
    request.date = date;
    request.inputs = inputs;
    request.previous = stored.at(coordinates);
    request.negotiator = resolveSkills(inputs.negotiator, campaign, "negotiator");
    request.steward = resolveSkills(inputs.steward, campaign, "steward");
    if (const auto text = options.value("--categories"))
        request.categories = parseCategories(*text);
    request.blackMarket = options.flag("--black-market");
    request.range = range;
    request.shipArmed = ship && ship->armed;
    request.label = trade::marketWorldName(world) + ", " + date.dayYearText();
    const auto made = trade::generateMarket(request, trade::TradeRoller::fair());
    if (!made)
        throw CliError{"No market can be made at " + coordinates.description() + "."};

    if (save) {
        const universe::EditResult result = trade::setTradeMarket(universe, *made);
        if (!result)
            throw CliError{"The market was not saved: " + result.error};
    }
    if (options.flag("--json")) {
        nlohmann::json json;
        trade::to_json(json, *made);
        printJson(context.out(), json);
    } else {
        printMarket(context.out(), universe, *made);
        if (save)
            context.out() << "Saved as \"" << universe.undoName() << "\".\n";
    }
    return 0;
}

int quote(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("quote", arguments,
                          {"--hex", "--universe", "--good", "--roll", "--broker", "--other-broker"},
                          {"--buy", "--sell", "--json"});
    const auto hexText = options.value("--hex");
    if (!hexText)
        throw CliError{"quote needs --hex SX,SY,CCRR, for example --hex 0,0,1910", 2};
    const core::GalacticCoordinates coordinates = parseHex(*hexText);
    const bool buying = options.flag("--buy");
    if (buying == options.flag("--sell"))
        throw CliError{"quote needs one of --buy and --sell", 2};
    const auto goodText = options.value("--good");
    if (!goodText)
        throw CliError{"quote needs --good D66, for example --good 11", 2};
    const auto d66 = wholeNumber(*goodText);
    const trade::TradeGood* good = d66 ? trade::tradeGood(*d66) : nullptr;
    if (!good || good->basePrice == 0)
        throw CliError{"--good \"" + *goodText +
                           "\" is not a traded good: give its row, 11 to 65, both digits 1 to 6",
                       2};
    if (!options.value("--roll"))
        throw CliError{"quote needs --roll TOTAL, the total on three dice (3 to 18)", 2};
    const int dice = wholeOption(options, "--roll", 0, 3, 18);
    const int broker = wholeOption(options, "--broker", 0, 0, 15);

    universe::RidivivevIzeviduv& universe =
        universeNamed(context, options.value("--universe").value_or(""));
    const trade::TradeWorldProfile world = tradingWorld(universe, coordinates);
    // The other side is the world's supplier unless told otherwise.
    const trade::UniverseMarkets stored = trade::readUniverseMarkets(universe.record());
    const trade::TradeMarket* market = stored.at(coordinates);
    const int otherBroker = wholeOption(options, "--other-broker",
                                        market ? market->inputs.supplierBrokerSkill
                                               : trade::TradeInputs{}.supplierBrokerSkill,
                                        0, 15);

    const trade::TradeQuote made =
        buying ? trade::purchaseQuote(*good, world, broker, otherBroker, dice)
               : trade::saleQuote(*good, world, broker, otherBroker, dice);
    if (options.flag("--json")) {
        nlohmann::json components = nlohmann::json::array();
        for (const auto& component : made.components)
            components.push_back({{"label", component.label}, {"value", component.value}});
        printJson(context.out(), {{"dice", made.dice},
                                  {"modifier", made.modifier},
                                  {"percent", made.percent},
                                  {"pricePerTon", made.pricePerTon},
                                  {"components", components}});
        return 0;
    }
    std::ostream& out = context.out();
    out << (buying ? "Purchase of " : "Sale of ") << good->name << " at "
        << worldText(universe, coordinates) << '\n';
    out << "3D roll: " << made.dice << '\n';
    for (const auto& component : made.components)
        out << "  " << component.label << ' ' << signedText(component.value) << '\n';
    out << "Modifier " << signedText(made.modifier) << ", result " << made.result() << ": "
        << made.percent << "% of " << creditsWithCommas(good->basePrice) << " = "
        << creditsWithCommas(made.pricePerTon) << "/ton\n";
    return 0;
}

} // namespace

std::vector<CliCommand> tradeCommands() {
    return {
        {"market",
         "--hex SX,SY,CCRR [--universe ID] [--campaign CODE] [--ship ID] [--categories "
         "passengers,freight,mail,cargo] [--black-market] [--range N] [--supplier-broker N] "
         "[--negotiator SKILL=N,...] [--steward SKILL=N,...] [--roll NAME=VALUE]... [--save] "
         "[--json]",
         "Generate a world's trade market with every check; --save keeps it in the universe.",
         market},
        {"quote",
         "--hex SX,SY,CCRR [--universe ID] --good D66 (--buy|--sell) --roll TOTAL [--broker N] "
         "[--other-broker N] [--json]",
         "Price a purchase or sale of a trade good at a world from a 3D roll.", quote},
    };
}

} // namespace velmora::cli
