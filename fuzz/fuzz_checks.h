#pragma once

#include <string_view>

// What must hold for every input of each decoder that reads outside data: the
// fuzz targets run these on what libFuzzer makes up, and the regression test
// (tests/fuzz) on every input kept in the repository. A check that fails prints
// what went wrong and aborts, so libFuzzer keeps the input and a test fails.
// Sanitizer reports, hangs and exceptions of the wrong kind count as failures too.
namespace velmora::fuzz {

// A universe file: decodeUniverse either throws DecodeError or gives a record that
// is saved to a text that opens as the same record (and is saved the same again),
// and whose header lists it by its id and name.
void checkUniverseFile(std::string_view bytes);

// A sector file in any layout, as a SEC import reads it: whatever it gives lies in
// the sector it is imported into and survives a save of the universe.
void checkSecFile(std::string_view bytes);

// A sector file's region block: regions read into another sector move with it, and
// survive a save.
void checkSecRegions(std::string_view bytes);

// The map service's answers. Each decoder fails only with the ImportError meant for
// a document that is not what the service sends.
void checkCoordinatesAnswer(std::string_view bytes);
void checkAllegiancesAnswer(std::string_view bytes);
void checkWorldRowsAnswer(std::string_view bytes);
void checkMetadataAnswer(std::string_view bytes);

// A campaigns file: decodeCampaignsFile either throws DecodeError or gives campaigns
// that are saved to a text that opens as the same campaigns (and is saved the same
// again).
void checkCampaignsFile(std::string_view bytes);

// A world's trade market as the universe keeps it: decodeTradeMarket either throws
// DecodeError or gives a market that is saved to a text that reads back the same
// (and is saved the same again).
void checkTradeMarket(std::string_view bytes);

// The wiki's answers: a search or parse answer either fails with the WikiError meant
// for it (an error the wiki sent, or badResponse) or gives records that keep their
// place in the saved copies unchanged; an article's HTML loses every script, and
// its plain text can always be made.
void checkWikiSearchAnswer(std::string_view bytes);
void checkWikiParseAnswer(std::string_view bytes);

// A saved ship's design.json: decodeDesignFile either throws DecodeError or gives a
// ship whose header reads the same from the file alone, and which is saved to a
// text that opens as the same ship (and is saved the same again).
void checkShipDesignFile(std::string_view bytes);

// A ship design as design.json holds it: shipDesignFromJson either throws DecodeError
// or gives a design whose every figure can be worked out, and which is written to
// JSON that reads back as the same design (and is written the same again).
void checkShipDesign(std::string_view bytes);

// A hex typed as SX,SY,CCRR on the command line: parseHexArgument either gives
// nothing or a hex inside its sector whose text reads back as the same hex.
void checkRouteHexArgument(std::string_view bytes);

// A search typed into the map or the systems list, or given to `find`: it reads as a
// pattern or as an error with a message, never anything else; each term is what its
// kind says; and a pattern tests systems of every kind without fault.
void checkSearchPattern(std::string_view bytes);

struct FuzzTarget {
    std::string_view name; // of its fuzzer (fuzz_<name>) and of its folders of inputs
    void (*check)(std::string_view bytes);
};

inline constexpr FuzzTarget fuzzTargets[] = {
    {"universe_file", checkUniverseFile},
    {"sec_file", checkSecFile},
    {"sec_regions", checkSecRegions},
    {"map_coordinates", checkCoordinatesAnswer},
    {"map_allegiances", checkAllegiancesAnswer},
    {"map_world_rows", checkWorldRowsAnswer},
    {"map_metadata", checkMetadataAnswer},
    {"campaigns_file", checkCampaignsFile},
    {"ship_design", checkShipDesign},
    {"wiki_search", checkWikiSearchAnswer},
    {"wiki_parse", checkWikiParseAnswer},
    {"trade_market", checkTradeMarket},
    {"ship_design_file", checkShipDesignFile},
    {"route_hex", checkRouteHexArgument},
    {"search_pattern", checkSearchPattern},
};

} // namespace velmora::fuzz
