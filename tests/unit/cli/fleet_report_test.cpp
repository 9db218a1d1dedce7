#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "cli/fleet_report.h"

namespace veltra::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

FleetResult Bios(const std::string& current, const std::string& online) {
    return {"MB BIOS", "QB-7100", current, online, "QB-7100/" + online, "4 MB"};
}
FleetResult Tool(const std::string& type, const std::string& item, const std::string& online) {
    return {type, item, "Unknown", online, "T/" + item, "1 MB"};
}

// Three PCs whose results arrive in each PC's own order, one of them twice (two devices
// with one driver), and a PC that needs nothing.
FleetReport SmallFleet() {
    FleetReportBuilder builder;
    builder.AddPc("b.json", "QB-7300", "F4", {Tool("Other Utility", "Codec", "5.0"), Tool("MB Driver", "LAN", "7.2"),
                                              Tool("MB Driver", "LAN", "7.2")});
    builder.AddPc("a.json", "QB-7100", "1.20", {Bios("1.20", "1.30"), Tool("MB Driver", "LAN", "7.2")});
    builder.AddPc("c.json", "QB-7100", "1.30", {});
    builder.AddSkipped("bad.json", "identity field \"VT5\" is missing");
    return builder.Finish();
}

TEST(FleetReport, GroupsUpdatesInCheckOrderAndPrintsThemForATerminal) {
    const FleetReport report = SmallFleet();
    EXPECT_EQ(FleetText(report),
              "3 PCs, 3 updates\n"
              "1  MB BIOS QB-7100 1.30: 1 of 3 PCs\n"
              "2  MB Driver LAN 7.2: 2 of 3 PCs\n"
              "3  Other Utility Codec 5.0: 1 of 3 PCs\n"
              "\n"
              "Board    BIOS  Identity file  Updates\n"
              "QB-7300  F4    b.json         2 3\n"
              "QB-7100  1.20  a.json         1 2\n"
              "QB-7100  1.30  c.json         none\n");
    EXPECT_EQ(FleetJson(report).Serialize(),
              "{\"pcCount\":3,\"updates\":["
              "{\"number\":1,\"type\":\"MB BIOS\",\"item\":\"QB-7100\",\"onlineVersion\":\"1.30\",\"webPath\":\"QB-7100/1.30\","
              "\"size\":\"4 MB\",\"pcCount\":1,\"files\":[\"a.json\"]},"
              "{\"number\":2,\"type\":\"MB Driver\",\"item\":\"LAN\",\"onlineVersion\":\"7.2\",\"webPath\":\"T/LAN\","
              "\"size\":\"1 MB\",\"pcCount\":2,\"files\":[\"b.json\",\"a.json\"]},"
              "{\"number\":3,\"type\":\"Other Utility\",\"item\":\"Codec\",\"onlineVersion\":\"5.0\",\"webPath\":\"T/Codec\","
              "\"size\":\"1 MB\",\"pcCount\":1,\"files\":[\"b.json\"]}],"
              "\"pcs\":[{\"file\":\"b.json\",\"board\":\"QB-7300\",\"biosVersion\":\"F4\",\"updates\":["
              "{\"number\":2,\"currentVersion\":\"Unknown\"},{\"number\":3,\"currentVersion\":\"Unknown\"}]},"
              "{\"file\":\"a.json\",\"board\":\"QB-7100\",\"biosVersion\":\"1.20\",\"updates\":["
              "{\"number\":1,\"currentVersion\":\"1.20\"},{\"number\":2,\"currentVersion\":\"Unknown\"}]},"
              "{\"file\":\"c.json\",\"board\":\"QB-7100\",\"biosVersion\":\"1.30\",\"updates\":[]}],"
              "\"skipped\":[{\"file\":\"bad.json\",\"reason\":\"identity field \\\"VT5\\\" is missing\"}]}");
}

std::size_t Columns(const std::string& line) {
    std::size_t count = 0;
    for (char c : line) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// Long names are cut to their column (an identity file keeps its end), numbers wrap under
// their column, a control character cannot break a line, and a cut never splits a character.
TEST(FleetReport, PlainTextFitsEightyColumns) {
    FleetReportBuilder builder;
    std::vector<FleetResult> many;
    for (int i = 10; i < 50; ++i) many.push_back(Tool("norva Utility", "Tool " + std::to_string(i), "1." + std::to_string(i)));
    many.push_back(Tool("MB Driver", std::string(60, 'D') + "\xC3\xA9\xC3\xA9\xC3\xA9", std::string(29, '9')));
    builder.AddPc("C:\\fleet\\floor-3\\accounting\\pc-0123-\xE6\x97\xA5.json", "QB-7100 Ultra Gaming Pro", "1.20\n2", many);
    const std::string text = FleetText(builder.Finish());
    std::istringstream lines(text);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(Columns(line), 80u) << line;
        all.push_back(line);
    }
    ASSERT_EQ(all.size(), 1 + 41 + 1 + 1 + 5u);
    EXPECT_EQ(all[1], " 1  MB Driver " + std::string(54, 'D') + "~: 1 of 1 PC");
    EXPECT_EQ(all[43], "Board           BIOS     Identity file               Updates");
    EXPECT_EQ(all[44], "QB-7100 Ultra~  1.20\\n2  ~accounting\\pc-0123-\xE6\x97\xA5.json  1 2 3 4 5 6 7 8 9 10 11 12");
    EXPECT_EQ(all[45], std::string(53, ' ') + "13 14 15 16 17 18 19 20 21");
    EXPECT_EQ(all[48], std::string(53, ' ') + "40 41");
}

// Every field quoted and quotes doubled; a field a spreadsheet would run as a formula
// (= + - @, a tab or a carriage return first) gets an apostrophe.
TEST(FleetReport, CsvQuotesEveryFieldAndDisarmsFormulas) {
    const struct {
        std::string board;
        std::string field;
    } rows[] = {
        {"QB-7100", "\"QB-7100\""},
        {"say \"hi\", then\r\nleave", "\"say \"\"hi\"\", then\r\nleave\""},
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1", "\"'+1\""},
        {"-2+3", "\"'-2+3\""},
        {"@SUM(A1)", "\"'@SUM(A1)\""},
        {"\t=1", "\"'\t=1\""},
        {"\r=1", "\"'\r=1\""},
        {"1=1", "\"1=1\""},
        {"", "\"\""},
    };
    for (const auto& row : rows) {
        FleetReportBuilder builder;
        builder.AddPc("pc.json", row.board, "1.20", {Bios("1.20", "1.30")});
        EXPECT_EQ(FleetCsv(builder.Finish()), "\xEF\xBB\xBF\"Identity file\",\"Board\",\"BIOS version\",\"MB BIOS QB-7100 1.30\"\r\n"
                                              "\"pc.json\"," + row.field + ",\"1.20\",\"x\"\r\n"
                                              "\"PCs needing it\",\"\",\"\",\"1\"\r\n") << row.board;
    }
    EXPECT_THAT(FleetCsv(SmallFleet()), HasSubstr("\r\n\"b.json\",\"QB-7300\",\"F4\",\"\",\"x\",\"x\"\r\n"
                                                  "\"a.json\",\"QB-7100\",\"1.20\",\"x\",\"x\",\"\"\r\n"
                                                  "\"c.json\",\"QB-7100\",\"1.30\",\"\",\"\",\"\"\r\n"
                                                  "\"PCs needing it\",\"\",\"\",\"1\",\"2\",\"1\"\r\n"));
}

// Names from identity files and catalogues are text on the page, never markup; the page
// needs nothing from elsewhere and has the summary above the table.
TEST(FleetReport, HtmlPageEscapesEveryTextAndStandsAlone) {
    FleetReportBuilder builder;
    builder.AddPc("C:\\PCs\\\"a&b\" <i>.json", "<script>alert(1)</script>", "\"1.20'",
                  {{"MB Driver", "<img onerror=alert(2)>", "1", "2", "p", "s"}, Bios("1.20", "1.30")});
    builder.AddPc("two.json", "QB-7100", "1.30", {});
    const std::string html = FleetHtml(builder.Finish());
    EXPECT_THAT(html, Not(HasSubstr("<script")));
    EXPECT_THAT(html, Not(HasSubstr("<i>")));
    EXPECT_THAT(html, Not(HasSubstr("<img")));
    EXPECT_THAT(html, Not(HasSubstr("src=")));
    EXPECT_THAT(html, Not(HasSubstr("href")));
    EXPECT_THAT(html, Not(HasSubstr("url(")));
    EXPECT_THAT(html, HasSubstr("<td title=\"C:\\PCs\\&quot;a&amp;b&quot; &lt;i&gt;.json\">&quot;a&amp;b&quot; &lt;i&gt;.json</td><td>&lt;script&gt;alert(1)&lt;/script&gt;</td><td>&quot;1.20&#39;</td>"
                                "<td class=\"mark\">x</td><td class=\"mark\">x</td></tr>"
                                "<tr><td title=\"two.json\">two.json</td><td>QB-7100</td><td>1.30</td><td></td><td></td></tr>"));
    EXPECT_THAT(html, HasSubstr("<td>MB Driver &lt;img onerror=alert(2)&gt; 2</td><td class=\"count\">1 of 2 PCs</td>"));
    EXPECT_THAT(html, HasSubstr("<th class=\"count\" title=\"MB Driver &lt;img onerror=alert(2)&gt; 2\">2</th>"));
    EXPECT_LT(html.find("<h2>Summary</h2>"), html.find("<h2>PCs</h2>"));
    EXPECT_THAT(html, HasSubstr("<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"));
}

}  // namespace
}  // namespace veltra::testing
