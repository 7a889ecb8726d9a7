// The campaigns file of a long-running table: 50 campaigns, each with 8 players and
// a journal of 200 notes of about 500 characters (some 5 MB). Opening is what the
// store does at start (read and decode); saving is what every change costs (encode,
// keep the previous version, write atomically). The journal search is what each
// keystroke in "Search notes..." costs over 2,000 notes.

#include "campaign/campaign_journal.h"
#include "campaign/campaigns_codec.h"
#include "campaign/gamemastering.h"
#include "campaign/note_search.h"
#include "core/file_io.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

using namespace velmora;
using namespace velmora::campaign;

namespace {

constexpr int campaignCount = 50;
constexpr int playersPerCampaign = 8;
constexpr int notesPerCampaign = 200;

// About 500 characters of journal prose, different for every note.
std::string noteText(std::mt19937& random) {
    static const char* words[] = {"Regina", "highport", "jump",    "broker",   "cargo",
                                  "the",    "crew",     "misjump", "Efate",    "customs",
                                  "patrol", "refuel",   "scout",   "freight",  "passengers",
                                  "bribe",  "Imperial", "noble",   "starport", "contact"};
    std::string text;
    while (text.size() < 500) {
        text += words[random() % std::size(words)];
        text += random() % 9 == 0 ? ". " : " ";
    }
    return text;
}

Campaign syntheticCampaign(int index, std::mt19937& random) {
    Campaign c;
    c.id = core::Uuid::generate();
    c.created = core::systemNow();
    c.name = "Campaign " + std::to_string(index);
    c.code = "C" + std::to_string(100 + index);
    c.description = "A synthetic campaign for timing";
    c.date = core::campaignStartDate();
    c.date.id = core::Uuid::generate();
    c.commonCredits = 3'000'000'000;
    for (int p = 0; p < playersPerCampaign; ++p) {
        PlayerInfo player;
        player.id = core::Uuid::generate();
        player.name = "Player " + std::to_string(p);
        player.characterName = "Character " + std::to_string(p);
        player.cash = 10'000 * p;
        player.training = p % 2 == 0 ? "Pilot" : "";
        player.isNPC = p == playersPerCampaign - 1;
        c.players.push_back(std::move(player));
    }
    for (int n = 1; n <= notesPerCampaign; ++n) {
        CampaignNote note;
        note.id = core::Uuid::generate();
        note.campaignCode = c.code;
        note.number = n;
        note.date = c.date.adding(std::int64_t{n} * 1'440);
        note.showOnCalendar = n % 10 == 0;
        note.title = "Session " + std::to_string(n);
        note.content = noteText(random);
        c.notes.push_back(std::move(note));
    }
    return c;
}

CampaignsFile syntheticCampaigns() {
    std::mt19937 random(1105);
    CampaignsFile file;
    file.id = core::Uuid::generate();
    for (int i = 0; i < campaignCount; ++i)
        file.campaigns.push_back(syntheticCampaign(i, random));
    return file;
}

std::filesystem::path benchFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "velmora-bench" / "campaigns";
    std::filesystem::create_directories(folder);
    return folder;
}

// A store on a folder holding the synthetic file, written once per run.
Gamemastering::Environment environment() {
    static const bool written = [] {
        core::writeFileAtomically(benchFolder() / Gamemastering::campaignsFileName,
                                  encodeCampaignsFile(syntheticCampaigns()));
        return true;
    }();
    (void)written;
    Gamemastering::Environment environment;
    environment.folder = benchFolder();
    return environment;
}

void openCampaignsFile(benchmark::State& state) {
    Gamemastering store(environment());
    for (auto _ : state) {
        store.load();
        benchmark::DoNotOptimize(store.campaigns().size());
    }
    state.counters["fileMB"] =
        static_cast<double>(std::filesystem::file_size(store.campaignsFile())) / 1e6;
}
BENCHMARK(openCampaignsFile)->Unit(benchmark::kMillisecond);

// One change to one campaign, saved as every change is.
void saveCampaignsFile(benchmark::State& state) {
    Gamemastering store(environment());
    store.load();
    const std::string code = store.campaigns().front().code;
    for (auto _ : state)
        store.edit(code, [](Campaign& c) { c.date = c.date.adding(10); });
}
BENCHMARK(saveCampaignsFile)->Unit(benchmark::kMillisecond);

// The two halves of a save and an open without the disk.
void encodeCampaigns(benchmark::State& state) {
    const CampaignsFile file = syntheticCampaigns();
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeCampaignsFile(file).size());
}
BENCHMARK(encodeCampaigns)->Unit(benchmark::kMillisecond);

void decodeCampaigns(benchmark::State& state) {
    const std::string text = encodeCampaignsFile(syntheticCampaigns());
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeCampaignsFile(text, core::systemNow()).campaigns.size());
}
BENCHMARK(decodeCampaigns)->Unit(benchmark::kMillisecond);

// 2,000 notes of one campaign's journal.
Campaign journalOf2000Notes() {
    std::mt19937 random(1106);
    Campaign c = syntheticCampaign(0, random);
    c.notes.clear();
    for (int n = 1; n <= 2'000; ++n) {
        NoteFields fields;
        fields.title = "Session " + std::to_string(n);
        fields.date = c.date.adding(std::int64_t{n} * 600);
        fields.content = noteText(random);
        createNote(c, std::move(fields));
    }
    return c;
}

// What the journal does when the notes change: fold them for searching.
void indexJournal(benchmark::State& state) {
    const Campaign c = journalOf2000Notes();
    for (auto _ : state) {
        const NoteSearch search(c.notes);
        benchmark::DoNotOptimize(search.matches(0, ""));
    }
}
BENCHMARK(indexJournal)->Unit(benchmark::kMicrosecond);

// What each keystroke does: filter the sorted list by the words typed so far.
void searchJournal(benchmark::State& state) {
    const Campaign c = journalOf2000Notes();
    const NoteSearch search(c.notes);
    const auto order = sortedNoteIndexes(c.notes, NoteSortOrder::byDate, SortDirection::descending);
    std::size_t found = 0;
    for (auto _ : state) {
        found = search.filter(order, "REGINA brib").size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["matches"] = static_cast<double>(found);
}
BENCHMARK(searchJournal)->Unit(benchmark::kMicrosecond);

} // namespace
