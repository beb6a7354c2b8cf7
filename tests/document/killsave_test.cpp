// A save killed at any moment leaves the document either as it was or as it was being saved.
#include "document/textformat.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

TEST(KillDuringSave, TheFileIsAlwaysTheOldOrTheNewWholeDocument)
{
    const auto folder = std::filesystem::temp_directory_path() / ("merisko-kill-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "001 Bałwanek.vkz").string();

    // Two versions of very different length, so a half-written file could not pass for either.
    const std::vector<std::string> small = EmptyDocumentTemplate();
    std::vector<std::string> large = ExampleDocumentTemplate();
    {
        PictoDocument doc = ParseDocument(large);
        for (int i = 0; i < 30; ++i)
            DuplicateCurve(doc, i % doc.Dimension);
        large = {FormatHeaderLine(doc.Dimension, doc.Ind_Curve)};
        for (int i = 0; i < doc.Dimension; ++i)
            large.push_back(FormatCurveLine(doc, i));
    }
    SavePictoText(path, small);
    const int smallLayers = ParseDocument(small).Dimension, largeLayers = ParseDocument(large).Dimension;

    std::mt19937 random(7);
    int sawSmall = 0, sawLarge = 0;
    for (int round = 0; round < 60; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (unsigned n = 0;; ++n)
                SavePictoText(path, n % 2 ? small : large);
        }
        usleep(1000 + random() % 15000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const PictoDocument read = ParseDocument(LoadPictoLines(path), "001 Bałwanek.vkz");
        ASSERT_TRUE(read.Dimension == smallLayers || read.Dimension == largeLayers) << "round " << round;
        (read.Dimension == smallLayers ? sawSmall : sawLarge)++;
    }
    // Both versions were caught on disk: the kills really fell in the middle of saving.
    EXPECT_GT(sawSmall, 0);
    EXPECT_GT(sawLarge, 0);
    std::filesystem::remove_all(folder);
}
