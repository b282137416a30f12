// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FolderBrowseDialog.h"
#include "platform/SpecialFolders.h"

#include <QDir>
#include <QMetaProperty>
#include <gtest/gtest.h>

namespace {

using Dlg = FolderBrowseDialog;

TEST(FolderBrowseDialog, StartsWithItsDefaults)
{
    FolderBrowseDialog dialog;
    EXPECT_EQ(dialog.title(), "");
    EXPECT_EQ(dialog.folderName(), "");
    EXPECT_EQ(dialog.rootFolderId(), 0);
    EXPECT_EQ(dialog.headline(), "");
    EXPECT_EQ(dialog.options().toInt(), 10);
    EXPECT_EQ(dialog.options(), Dlg::BrowseOptions(Dlg::boContextHelp | Dlg::boDirsOnly));
    EXPECT_EQ(dialog.helpContext(), 0);
    EXPECT_EQ(dialog.handle(), nullptr);
}

TEST(FolderBrowseDialog, PublishesItsPropertiesInOrder)
{
    const QMetaObject& meta = FolderBrowseDialog::staticMetaObject;
    QStringList names;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        names << meta.property(i).name();
    EXPECT_EQ(names, QStringList({"Title", "FolderName", "RootFolderID", "Headline", "Options", "HelpContext"}));
}

TEST(FolderBrowseDialog, OptionMaskValues)
{
    EXPECT_EQ(Dlg::boShowHelp, 1);
    EXPECT_EQ(Dlg::boContextHelp, 2);
    EXPECT_EQ(Dlg::boStatusText, 4);
    EXPECT_EQ(Dlg::boDirsOnly, 8);
    EXPECT_EQ(Dlg::boNewDlgStyle, 16);
}

TEST(FolderBrowseDialog, SettingOptionsKeepsThemConsistent)
{
    const struct {
        int from;
        int requested;
        int result;
    } cases[] = {
        {10, 1 | 16, 16},          // help and new style in one step: new style wins
        {10, 10 | 16, 26},         // new style alone
        {10, 10 | 1 | 4, 15},      // classic help and status line
        {15, 15 | 16, 26},         // new style drops help and status line
        {26, 26 | 1, 11},          // help drops new style
        {26, 26 | 4, 14},          // status line drops new style
        {26, 26 | 1 | 4, 15},      // both drop it
        {16, 16 | 1, 1},           // only new style set before
        {15, 8, 8},                // switching off is free
        {26, 2, 2},                // new style off
        {10, 0, 0},                // nothing at all
        {15, 31, 26},              // new style switched on with the others already on
        {26, 31, 15},              // help and status switched on while new style stays requested
    };
    for (const auto& item : cases) {
        FolderBrowseDialog dialog;
        dialog.setOptions(Dlg::BrowseOptions::fromInt(item.from));
        ASSERT_EQ(dialog.options().toInt(), item.from);
        dialog.setOptions(Dlg::BrowseOptions::fromInt(item.requested));
        EXPECT_EQ(dialog.options().toInt(), item.result) << item.from << " -> " << item.requested;
    }
}

TEST(FolderBrowseDialog, SettingTheSameOptionsChangesNothing)
{
    FolderBrowseDialog dialog;
    dialog.setOptions(Dlg::BrowseOptions::fromInt(15));
    dialog.setOptions(Dlg::BrowseOptions::fromInt(15));
    EXPECT_EQ(dialog.options().toInt(), 15);
}

// The special-folder identifiers, in their order, with the Windows SDK's values.
const std::vector<std::pair<int, std::string>> kSpecialFolders{
    {0x30, "CSIDL_ADMINTOOLS"}, {0x1d, "CSIDL_ALTSTARTUP"}, {0x1a, "CSIDL_APPDATA"}, {0x0a, "CSIDL_BITBUCKET"},
    {0x3b, "CSIDL_CDBURN_AREA"}, {0x2f, "CSIDL_COMMON_ADMINTOOLS"}, {0x1e, "CSIDL_COMMON_ALTSTARTUP"},
    {0x23, "CSIDL_COMMON_APPDATA"}, {0x19, "CSIDL_COMMON_DESKTOPDIRECTORY"}, {0x2e, "CSIDL_COMMON_DOCUMENTS"},
    {0x1f, "CSIDL_COMMON_FAVORITES"}, {0x35, "CSIDL_COMMON_MUSIC"}, {0x36, "CSIDL_COMMON_PICTURES"},
    {0x17, "CSIDL_COMMON_PROGRAMS"}, {0x16, "CSIDL_COMMON_STARTMENU"}, {0x18, "CSIDL_COMMON_STARTUP"},
    {0x2d, "CSIDL_COMMON_TEMPLATES"}, {0x37, "CSIDL_COMMON_VIDEO"}, {0x3d, "CSIDL_COMPUTERSNEARME"},
    {0x31, "CSIDL_CONNECTIONS"}, {0x03, "CSIDL_CONTROLS"}, {0x21, "CSIDL_COOKIES"}, {0x00, "CSIDL_DESKTOP"},
    {0x10, "CSIDL_DESKTOPDIRECTORY"}, {0x11, "CSIDL_DRIVES"}, {0x06, "CSIDL_FAVORITES"}, {0x14, "CSIDL_FONTS"},
    {0x22, "CSIDL_HISTORY"}, {0x01, "CSIDL_INTERNET"}, {0x20, "CSIDL_INTERNET_CACHE"}, {0x1c, "CSIDL_LOCAL_APPDATA"},
    {0x05, "CSIDL_MYDOCUMENTS"}, {0x0d, "CSIDL_MYMUSIC"}, {0x27, "CSIDL_MYPICTURES"}, {0x0e, "CSIDL_MYVIDEO"},
    {0x13, "CSIDL_NETHOOD"}, {0x12, "CSIDL_NETWORK"}, {0x05, "CSIDL_PERSONAL"}, {0x45, "CSIDL_PHOTOALBUMS"},
    {0x3f, "CSIDL_PLAYLISTS"}, {0x04, "CSIDL_PRINTERS"}, {0x1b, "CSIDL_PRINTHOOD"}, {0x28, "CSIDL_PROFILE"},
    {0x3e, "CSIDL_PROFILES"}, {0x26, "CSIDL_PROGRAM_FILES"}, {0x2b, "CSIDL_PROGRAM_FILES_COMMON"},
    {0x02, "CSIDL_PROGRAMS"}, {0x08, "CSIDL_RECENT"}, {0x40, "CSIDL_SAMPLE_MUSIC"}, {0x41, "CSIDL_SAMPLE_PLAYLISTS"},
    {0x42, "CSIDL_SAMPLE_PICTURES"}, {0x43, "CSIDL_SAMPLE_VIDEOS"}, {0x09, "CSIDL_SENDTO"}, {0x0b, "CSIDL_STARTMENU"},
    {0x07, "CSIDL_STARTUP"}, {0x25, "CSIDL_SYSTEM"}, {0x15, "CSIDL_TEMPLATES"}, {0x24, "CSIDL_WINDOWS"},
};

TEST(SpecialFolders, TableHoldsTheIdentifiersInOrder)
{
    const auto table = SpecialFolderIds();
    ASSERT_EQ(table.size(), 58u);
    ASSERT_EQ(kSpecialFolders.size(), 58u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].id, kSpecialFolders[i].first) << i;
        EXPECT_EQ(table[i].name, kSpecialFolders[i].second) << i;
    }
}

TEST(FolderBrowseDialog, AcceptsEveryIdentifierOfTheTable)
{
    for (const auto& [id, name] : kSpecialFolders) {
        FolderBrowseDialog dialog;
        EXPECT_NO_THROW(dialog.setRootFolderId(id)) << name;
        EXPECT_EQ(dialog.rootFolderId(), id) << name;
    }
}

TEST(FolderBrowseDialog, RefusesAnyOtherRootIdentifier)
{
    for (int id : {-1, 0x0c, 0x0f, 0x29, 0x2a, 0x2c, 0x38, 0x39, 0x3a, 0x3c, 0x44, 0x46, 0xff, 0x8005}) {
        FolderBrowseDialog dialog;
        dialog.setRootFolderId(0x28);
        try {
            dialog.setRootFolderId(id);
            ADD_FAILURE() << id << " was accepted";
        } catch (const FolderBrowseError& error) {
            EXPECT_STREQ(error.what(), "Invalid special folder ID") << id;
        }
        EXPECT_EQ(dialog.rootFolderId(), 0x28) << id;
    }
}

TEST(SpecialFolders, MapsTheUsersFoldersToThisSystemsPlaces)
{
    EXPECT_EQ(SpecialFolderPath(0x28), QDir::homePath().toStdString());
    EXPECT_EQ(SpecialFolderPath(0x11), "/");
    for (int unsupported : {0x00, 0x03, 0x04, 0x0a, 0x12, 0x24, 0x25, 0x3d, 0x45})
        EXPECT_FALSE(SpecialFolderPath(unsupported).has_value()) << unsupported;
}

TEST(FolderBrowseDialog, ARootThisSystemLacksFailsWhenShown)
{
    FolderBrowseDialog dialog;
    dialog.setRootFolderId(0x0a); // the recycle bin
    try {
        dialog.showDialog();
        ADD_FAILURE() << "the browser opened";
    } catch (const FolderBrowseError& error) {
        EXPECT_STREQ(error.what(), "Root folder not supported on this system");
    }
    EXPECT_EQ(dialog.handle(), nullptr);
}

} // namespace
