#include "app/cli/wiki_commands.h"

#include "app/cli/cli_json.h"
#include "app/cli/cli_options.h"
#include "app/platform/qt_http_client.h"
#include "core/timestamp.h"
#include "wiki/traveller_wiki_service.h"
#include "wiki/wiki_cache.h"
#include "wiki/wiki_html.h"
#include "wiki/wiki_records_json.h"

#include <QEventLoop>
#include <ostream>

namespace velmora::cli {

namespace {

// The client as the application has it: the same address preference and the
// same saved copies in the data folder.
struct WikiSession {
    app::QtHttpClient http;
    wiki::WikiCache cache;
    wiki::TravellerWikiService service;

    WikiSession(CliContext& context, const Options& options)
        : cache(std::filesystem::path(context.locations().documentsFolder().toStdString()) /
                wiki::wikiCacheFolderName),
          service(http, &cache) {
        wiki::WikiEndpoint endpoint;
        if (const auto address = options.value("--base-url"))
            endpoint.address = *address;
        else if (const auto preferred = context.preferences().text(wiki::wikiAddressKey);
                 preferred && !preferred->empty())
            endpoint.address = *preferred;
        service.setEndpoint(std::move(endpoint));
    }

    template <typename Answer, typename Start>
    Answer wait(Start start) {
        std::optional<Answer> answer;
        QEventLoop loop;
        auto handle = start([&](Answer received) {
            answer = std::move(received);
            loop.quit();
        });
        if (!answer)
            loop.exec();
        return std::move(*answer);
    }
};

std::string savedTimeText(core::Timestamp time) {
    // "2026-12-06T23:50:42Z" reads "2026-12-06 23:50 UTC".
    const std::string iso = core::iso8601Text(time);
    return iso.substr(0, 10) + " " + iso.substr(11, 5) + " UTC";
}

// A failure with no saved copy ends the command; with one, the referee is told
// what failed and how old the copy is, and gets the copy.
template <typename T>
const T& valueOrFail(CliContext& context, const wiki::WikiAnswer<T>& answer,
                     const std::string& subject) {
    if (!answer.value)
        throw CliError{answer.error ? answer.error->what() : std::string("No answer.")};
    if (answer.error)
        context.err() << "velmora-cli: " << answer.error->what() << '\n';
    if (answer.savedAt)
        context.err() << "velmora-cli: Showing a saved copy of " << subject << " from "
                      << savedTimeText(*answer.savedAt) << ".\n";
    return *answer.value;
}

std::string onePositional(const Options& options, const std::string& command,
                          const std::string& example) {
    if (options.positionals().size() != 1)
        throw CliError{command + " needs one " + example, 2};
    return options.positionals().front();
}

int wikiSearch(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("wiki-search", arguments, {"--base-url"}, {"--json"},
                          /*takesPositionals=*/true);
    const std::string query =
        onePositional(options, "wiki-search", "search text, for example: wiki-search \"Regina\"");
    WikiSession session(context, options);
    const auto answer = session.wait<wiki::SearchAnswer>([&](auto done) {
        return session.service.search(query, wiki::browserSearchLimit, std::move(done));
    });
    const auto& results =
        valueOrFail(context, answer, "the results for “" + wiki::trimmed(query) + "”");
    if (options.flag("--json")) {
        printJson(context.out(), nlohmann::json(results));
        return 0;
    }
    if (results.empty())
        context.err() << wiki::WikiError::noResults(wiki::trimmed(query)).what() << '\n';
    for (const wiki::SearchResult& result : results)
        context.out() << result.title << '\t' << result.wordCount << " words\t" << result.snippet
                      << '\n';
    return 0;
}

int wikiArticle(CliContext& context, const std::vector<std::string>& arguments) {
    const Options options("wiki-article", arguments, {"--base-url"}, {"--text"},
                          /*takesPositionals=*/true);
    const std::string title = onePositional(
        options, "wiki-article", "article title, for example: wiki-article \"Regina (world)\"");
    WikiSession session(context, options);
    const auto answer = session.wait<wiki::ArticleAnswer>(
        [&](auto done) { return session.service.fetchArticle(title, std::move(done)); });
    const wiki::Article& article = valueOrFail(context, answer, "“" + title + "”");
    if (options.flag("--text")) {
        const std::string heading = wiki::articlePlainText(article.displayTitle);
        context.out() << (heading.empty() ? article.title + "\n" : heading) << '\n'
                      << wiki::articlePlainText(article.html);
    } else {
        context.out() << article.html;
        if (!article.html.empty() && article.html.back() != '\n')
            context.out() << '\n';
    }
    return 0;
}

} // namespace

std::vector<CliCommand> wikiCommands() {
    return {
        {"wiki-search", "TEXT [--base-url URL] [--json]",
         "Search the Traveller Wiki: up to 25 articles, each with its title, word count and a "
         "snippet of text. --base-url is the wiki's api.php; the results read before are shown "
         "when the wiki cannot be reached.",
         wikiSearch},
        {"wiki-article", "TITLE [--base-url URL] [--text]",
         "Print a Traveller Wiki article's HTML, or with --text its plain text; an article read "
         "before is shown when the wiki cannot be reached.",
         wikiArticle},
    };
}

} // namespace velmora::cli
