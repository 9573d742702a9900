// The result mail link carries the result text whole, whatever the player typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "stats/result_mail.h"

using namespace zembrol;

namespace {
// What a mail program does with one field of the link.
std::string PercentDecode(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size()) {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

// The link's query fields as a mail program splits them: at "?", "&" and "=", ending at "#".
std::string Field(const std::string& link, const std::string& key) {
    const std::string query = link.substr(link.find('?') + 1, link.find('#') - link.find('?') - 1);
    size_t at = 0;
    while (at <= query.size()) {
        const size_t end = std::min(query.find('&', at), query.size());
        const std::string pair = query.substr(at, end - at);
        if (pair.rfind(key + "=", 0) == 0) return PercentDecode(pair.substr(key.size() + 1));
        at = end + 1;
    }
    return "<missing>";
}
}  // namespace

TEST(ResultMailLink, TheBodyAndSubjectComeBackExactlyAsWritten) {
    const std::string bodies[] = {
        "16,120,3,01.02.2026,0,2,4,7,1,0,1,0,0,0,0,a&b=c#d %e,33,0,1500,4711",
        "16,1,0,01.02.2026,0,0,0,0,0,0,1,0,0,0,0,Иван?body=x+y/z,1,0,10,99",
        "100%% done\r\nnext line",
    };
    for (const std::string& body : bodies) {
        const std::string link = ResultMailLink("results@zembrol.example", body);
        SCOPED_TRACE(link);
        EXPECT_EQ(link.rfind("mailto:results@zembrol.example?", 0), 0u);
        EXPECT_EQ(Field(link, "body"), body);
        EXPECT_EQ(Field(link, "subject"), "Zembrol result");
        EXPECT_EQ(link.find_first_of(" #\r\n"), std::string::npos) << "nothing left that ends or cuts a link";
    }
}

TEST(ResultMailLink, EncodesEveryByteButTheUnreservedOnes) {
    const struct {
        const char* text;
        const char* encoded;
    } cases[] = {
        {"Zembrol result", "Zembrol%20result"},
        {"a&b=c#d %e", "a%26b%3Dc%23d%20%25e"},
        {"Иван", "%D0%98%D0%B2%D0%B0%D0%BD"},  // UTF-8 bytes
        {"AZaz09-._~", "AZaz09-._~"},
        {"?/:@!$'()*+,;", "%3F%2F%3A%40%21%24%27%28%29%2A%2B%2C%3B"},
    };
    for (const auto& c : cases) EXPECT_EQ(PercentEncode(c.text), c.encoded) << c.text;
}

TEST(ResultMailLink, TheAddressKeepsItsAtSignButNotALinkDelimiter) {
    EXPECT_EQ(ResultMailLink("a+b@x.org?cc=evil@x.org", "1"),
              "mailto:a%2Bb@x.org%3Fcc%3Devil@x.org?subject=Zembrol%20result&body=1");
}
