#include <gtest/gtest.h>

#include "editor/WebContentRoot.h"

namespace
{
    struct WebFolders
    {
        juce::TemporaryFile temp { "webroot-test" };
        juce::File base = temp.getFile();
        juce::File data = base.getChildFile ("data/web");
        juce::File bundle = base.getChildFile ("bundle/Resources/web");
        juce::StringArray log;

        ~WebFolders() { base.deleteRecursively(); }

        static void write (const juce::File& file, const juce::String& text)
        {
            file.getParentDirectory().createDirectory();
            file.replaceWithText (text);
        }

        void bundleWith (const juce::String& stamp, const juce::String& index = "bundle index")
        {
            write (bundle.getChildFile ("index.html"), index);
            if (stamp.isNotEmpty())
                write (bundle.getChildFile ("quillnote-web-version.txt"), stamp);
        }

        juce::File decide()
        {
            log.clear();
            return decideWebRoot (data, bundle, [this] (const juce::String& line) { log.add (line); });
        }
    };
}

TEST (WebContentRoot, FirstRunCopiesTheBundle)
{
    WebFolders f;
    f.bundleWith ("1.0");
    f.WebFolders::write (f.bundle.getChildFile ("assets/app.js"), "js");

    EXPECT_EQ (f.decide(), f.data);
    EXPECT_EQ (f.log[0], "Refreshing AppData web ( -> 1.0)");
    EXPECT_EQ (f.log[1], "webRoot = " + f.data.getFullPathName());
    EXPECT_EQ (f.log.size(), 2);
    EXPECT_EQ (f.data.getChildFile ("assets/app.js").loadFileAsString(), "js");
    EXPECT_EQ (readWebBundleStamp (f.data), "1.0");
}

TEST (WebContentRoot, EqualStampsCopyNothing)
{
    WebFolders f;
    f.bundleWith ("1.0");
    f.decide();
    WebFolders::write (f.data.getChildFile ("index.html"), "edited copy");

    EXPECT_EQ (f.decide(), f.data);
    EXPECT_EQ (f.log, juce::StringArray ("webRoot = " + f.data.getFullPathName()));
    EXPECT_EQ (f.data.getChildFile ("index.html").loadFileAsString(), "edited copy");
}

TEST (WebContentRoot, StampChangeRefreshesAndKeepsExtraFiles)
{
    WebFolders f;
    f.bundleWith ("1.0");
    f.decide();
    WebFolders::write (f.data.getChildFile ("user-notes.json"), "mine");
    f.bundleWith ("1.1", "new index");

    EXPECT_EQ (f.decide(), f.data);
    EXPECT_EQ (f.log[0], "Refreshing AppData web (1.0 -> 1.1)");
    EXPECT_EQ (f.data.getChildFile ("index.html").loadFileAsString(), "new index");
    EXPECT_EQ (f.data.getChildFile ("user-notes.json").loadFileAsString(), "mine");
}

TEST (WebContentRoot, SeedWithoutStampOnlyWhenTheCopyHasNoIndex)
{
    WebFolders f;
    f.bundleWith ({});

    EXPECT_EQ (f.decide(), f.data);
    EXPECT_EQ (f.log[0], "Seeding AppData web from VST3 bundle: " + f.bundle.getFullPathName());
    EXPECT_TRUE (f.data.getChildFile ("index.html").existsAsFile());

    WebFolders::write (f.data.getChildFile ("index.html"), "old copy");
    f.bundleWith ({}, "newer bundle");
    f.decide();
    EXPECT_EQ (f.log.size(), 1);
    EXPECT_EQ (f.data.getChildFile ("index.html").loadFileAsString(), "old copy");
}

TEST (WebContentRoot, StampWithLineBreakEqualsStampWithout)
{
    WebFolders f;
    f.bundleWith ("2.0\n");
    WebFolders::write (f.data.getChildFile ("index.html"), "copy");
    const char stampWithByteOrderMark[] = "\xef\xbb\xbf" "2.0";
    f.data.getChildFile ("quillnote-web-version.txt").replaceWithData (stampWithByteOrderMark, sizeof (stampWithByteOrderMark) - 1);

    EXPECT_EQ (readWebBundleStamp (f.bundle), "2.0");
    EXPECT_EQ (readWebBundleStamp (f.data), "2.0");
    f.decide();
    EXPECT_EQ (f.log.size(), 1);
    EXPECT_EQ (f.data.getChildFile ("index.html").loadFileAsString(), "copy");
}

TEST (WebContentRoot, MissingBundleOrMissingIndexes)
{
    {
        WebFolders f;
        WebFolders::write (f.data.getChildFile ("index.html"), "copy");
        EXPECT_EQ (f.decide(), f.data);
        EXPECT_EQ (f.log.size(), 1);
    }
    {
        WebFolders f;
        EXPECT_EQ (f.decide(), f.data);
        EXPECT_EQ (f.log[0], juce::String::fromUTF8 ("No web assets found \xe2\x80\x94 AppData and bundle both missing index.html"));
        EXPECT_TRUE (f.data.getChildFile ("assets").isDirectory());
        EXPECT_EQ (f.data.getNumberOfChildFiles (juce::File::findFilesAndDirectories), 1);
    }
    {
        // a folder named index.html is no index; an unreadable copy falls back to the bundle
        WebFolders f;
        f.bundleWith ("1.0");
        f.data.getChildFile ("index.html").createDirectory();
        f.bundle.getChildFile ("index.html").deleteFile();
        f.bundle.getChildFile ("index.html").createDirectory();
        EXPECT_FALSE (hasWebIndex (f.bundle));
        EXPECT_EQ (f.decide(), f.data);
        EXPECT_TRUE (f.log[0].startsWith ("No web assets found"));
    }
}

TEST (WebContentRoot, BundleServesWhenTheCopyCannotBeMade)
{
    WebFolders f;
    f.bundleWith ("1.0");
    WebFolders::write (f.base.getChildFile ("data"), "a file where the data folder should be");

    EXPECT_EQ (f.decide(), f.bundle);
    EXPECT_EQ (f.log[1], "Using bundled web root: " + f.bundle.getFullPathName());
    EXPECT_EQ (f.log[2], "webRoot = " + f.bundle.getFullPathName());
}
