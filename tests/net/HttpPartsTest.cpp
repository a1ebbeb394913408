// The pieces of the HTTP client that need no connection: header lists, URLs, form bodies.
#include <gtest/gtest.h>

#include "net/FormEncoding.h"
#include "net/TIdBasicAuthentication.h"
#include "net/TIdHeaderList.h"
#include "net/TIdURI.h"

namespace {

TEST(HeaderList, ValuesIgnoreCaseJoinContinuationsAndCollectEveryLine) {
    TIdHeaderList list;
    for (const char* line :
         {"Content-Type:  text/plain ", "X-Folded: first ", "\t second", "  third",
          "Set-Cookie: a=1", "set-cookie:b=2", "No colon here", "Empty:"}) {
        list.Add(line);
    }
    EXPECT_EQ(list.HeaderValue("content-type"), "text/plain");
    EXPECT_EQ(list.HeaderValue("X-FOLDED"), "first second third");
    EXPECT_EQ(list.HeaderValue("Set-cookie"), "a=1");
    EXPECT_EQ(list.HeaderValue("Missing"), "");
    EXPECT_EQ(list.HeaderValue("No colon here"), "");
    EXPECT_EQ(list.HeaderValue("Empty"), "");
    // The name part is everything before the first colon, untrimmed.
    list.Add("Spaced : value");
    EXPECT_EQ(list.HeaderValue("Spaced"), "");
    EXPECT_EQ(list.HeaderValue("Spaced "), "value");

    std::vector<std::string> cookies{"kept"};
    list.CollectHeader("SET-COOKIE", cookies);
    EXPECT_EQ(cookies, (std::vector<std::string>{"kept", "a=1", "b=2"}));
}

TEST(HeaderList, SetHeaderReplacesAppendsAndDeletesWithContinuations) {
    TIdHeaderList list;
    list.Add("A: 1");
    list.Add("B: old");
    list.Add(" continued");
    list.Add("C: 3");
    list.SetHeader("b", "new");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"A: 1", "b: new", "C: 3"}));
    list.SetHeader("D", "4");
    EXPECT_EQ(list.Lines().back(), "D: 4");
    list.SetHeader("A", "");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"b: new", "C: 3", "D: 4"}));
    list.SetHeader("Missing", "");
    EXPECT_EQ(list.Count(), 3u);
}

TEST(HeaderList, FoldsJustAboveTheFoldLengthAtBlanksAndCommasOutsideQuotes) {
    // "N: " and 75 value bytes make exactly 78: not folded.
    const std::string atLimit(75, 'v');
    TIdHeaderList list;
    list.SetHeader("N", atLimit);
    EXPECT_EQ(list.Count(), 1u);

    TIdHeaderList folded;
    const std::string words =
        std::string(40, 'a') + ", " + std::string(30, 'b') + " " + std::string(10, 'c');
    folded.SetHeader("N", words);
    ASSERT_EQ(folded.Count(), 2u);
    EXPECT_EQ(folded.Lines()[0], "N: " + std::string(40, 'a') + ", " + std::string(30, 'b'));
    EXPECT_EQ(folded.Lines()[1], " " + std::string(10, 'c'));
    EXPECT_EQ(folded.HeaderValue("N"), words);

    TIdHeaderList quoted;
    quoted.SetHeader("Q", "\"" + std::string(50, 'x') + ", " + std::string(40, 'y') + "\" z");
    // The only blank outside the quotes within reach is the one after the name.
    ASSERT_EQ(quoted.Count(), 2u);
    EXPECT_EQ(quoted.Lines()[0], "Q:");
    EXPECT_EQ(quoted.HeaderValue("Q"),
              "\"" + std::string(50, 'x') + ", " + std::string(40, 'y') + "\" z");

    // The request's own list folds only beyond 1024 characters.
    TIdHeaderList wide(1024);
    wide.SetHeader("W", std::string(1021, 'w'));
    EXPECT_EQ(wide.Count(), 1u);
    wide.SetHeader("W", std::string(1000, 'w') + " " + std::string(21, 'w'));
    EXPECT_EQ(wide.Count(), 2u);
}

TEST(Uri, SplitsTheFormsTheClientMeets) {
    const TIdURI plain("http://maker.example/requests/getytvideoid.php");
    EXPECT_EQ(plain.Scheme, "http");
    EXPECT_EQ(plain.HostName, "maker.example");
    EXPECT_EQ(plain.PortText, "");
    EXPECT_EQ(plain.Path, "/requests/");
    EXPECT_EQ(plain.Document, "getytvideoid.php");
    EXPECT_EQ(plain.Query, "");

    const TIdURI full("HTTP://user:pw@host:8080\\a\\b.php?x=1/2#frag");
    EXPECT_EQ(full.Scheme, "HTTP");
    EXPECT_EQ(full.UserName, "user");
    EXPECT_EQ(full.UserPassword, "pw");
    EXPECT_EQ(full.HostName, "host");
    EXPECT_EQ(full.PortText, "8080");
    EXPECT_EQ(full.Path, "/a/");
    EXPECT_EQ(full.Document, "b.php");
    EXPECT_EQ(full.Query, "?x=1/2");
    EXPECT_EQ(full.Fragment, "frag");

    const TIdURI bare("http://host");
    EXPECT_EQ(bare.Path, "/");
    EXPECT_EQ(bare.Document, "");

    const TIdURI noUser("http://:secret@host/");
    EXPECT_EQ(noUser.UserPassword, "");

    // Without "?" the first "=" starts the query; a relative target keeps its own path.
    const TIdURI relative("/dir/doc=1/x");
    EXPECT_EQ(relative.Scheme, "");
    EXPECT_EQ(relative.Path, "/dir/");
    EXPECT_EQ(relative.Document, "doc");
    EXPECT_EQ(relative.Query, "=1/x");

    const TIdURI fragmentInDocument("http://h/p#top?q");
    EXPECT_EQ(fragmentInDocument.Document, "p");
    EXPECT_EQ(fragmentInDocument.Fragment, "top");
}

TEST(FormBody, EncodesBytesAndJoinsLinesAsTheScriptsExpect) {
    EXPECT_EQ(EncodeFormValue("a b/\xE9"), "a+b%2F%E9");
    EXPECT_EQ(EncodeFormValue("-._~09AZaz"), "%2D%2E%5F%7E09AZaz");

    std::vector<std::string> one{"product_id=21"};
    EXPECT_EQ(BuildFormBody(one, true), "product_id=21");
    EXPECT_EQ(one, std::vector<std::string>{"product_id=21"});

    std::vector<std::string> two{"a=1", "b=2"};
    EXPECT_EQ(BuildFormBody(two, true), "a=1&b=2&");

    std::vector<std::string> none;
    EXPECT_EQ(BuildFormBody(none, true), "");

    std::vector<std::string> rewritten{"q=a b", "x=", "bare"};
    EXPECT_EQ(BuildFormBody(rewritten, true), "q=a+b&x=&bare&");
    EXPECT_EQ(rewritten[0], "q=a+b");

    std::vector<std::string> unencoded{"q=a b"};
    EXPECT_EQ(BuildFormBody(unencoded, false), "q=a b");

    std::vector<std::string> blanks{"  padded  "};
    EXPECT_EQ(BuildFormBody(blanks, true), "padded");
}

TEST(BasicAuthentication, EncodesBase64WithPadding) {
    EXPECT_EQ(TIdBasicAuthentication().Authentication(), "Basic Og==");
    EXPECT_EQ(EncodeBase64("Aladdin:open sesame"), "QWxhZGRpbjpvcGVuIHNlc2FtZQ==");
    EXPECT_EQ(EncodeBase64("ab"), "YWI=");
    EXPECT_EQ(EncodeBase64("abc"), "YWJj");
    EXPECT_EQ(EncodeBase64(""), "");
}

}  // namespace
