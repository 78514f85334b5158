#pragma once
// The three CD windows as the player creates them, a generated disc image
// that is in no local database yet, and a CDDB server on 127.0.0.1.
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "FakeCddbServer.h"
#include "app/Forms.h"
#include "cddb/CDInformation.h"
#include "cddb/TCddb.h"
#include "cddb/TMyFreeDBInterfaceForm.h"
#include "cddb/TSubmitTofreedbForm.h"
#include "cddb/TfreedbMatchesDialogForm.h"
#include "mediagen/CdImageWriter.h"
#include "support/TestEnvironment.h"

namespace TestCddb {

class CDWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    cue = TestSupport::ProgramFolder() + "album.cue";
    std::vector<MediaGen::CdTrackTone> tones(trackCount, MediaGen::CdTrackTone{{330.0}, trackSeconds, 0.2});
    ASSERT_TRUE(MediaGen::WriteCueBin(cue.toStdString(), tones));
    FreeDBInterface::State() = FreeDBInterface::UnitState{};
    MyFreeDBInterfaceForm = lookup = new TMyFreeDBInterfaceForm;
    freedbMatchesDialogForm = matches = new TfreedbMatchesDialogForm;
    SubmitTofreedbForm = submit = new TSubmitTofreedbForm;
    freedb = lookup->freedb;
    freedb->NetworkTimeoutMs = 5000;
    // The disc is read and missed in the local database; no window yet.
    ASSERT_EQ(FreeDBInterface::GetCDInformation(cue + "/", 0), 1);
    discId = freedb->GetCDInfo().CDDiscId;
    lookup->Edit4->setText("someone@example.org");
    lookup->ComboBox2->setEditText("127.0.0.1");
    lookup->Edit5->setText(QString::number(server.HttpAddress().section(':', 1).toInt()));
    lookup->Edit2->setText(QString::number(server.CddbpPort()));
  }
  void TearDown() override {
    SubmitTofreedbForm = nullptr;
    freedbMatchesDialogForm = nullptr;
    MyFreeDBInterfaceForm = nullptr;
    delete submit;
    delete matches;
    delete lookup;
  }

  // Answers every modal window with the given function.
  void AnswerDialogs(std::function<int(QDialog&)> answer) {
    TestSupport::ModalDialogs().answer = std::move(answer);
  }
  // Chooses the match at row in the match chooser.
  void ChooseMatch(int row) {
    AnswerDialogs([this, row](QDialog& dialog) {
      if (&dialog != matches) return int(QDialog::Rejected);
      matches->ListBox1->setCurrentRow(row);
      matches->Button1->click();
      return dialog.result();
    });
  }
  // Search freedb, then let the posted continuation run.
  void Search() {
    lookup->Button1Click();
    QCoreApplication::processEvents();
  }
  QStringList Messages() const {
    QStringList texts;
    for (const auto& message : TestSupport::MessageBoxes().shown) texts.append(message.text);
    return texts;
  }
  // A CDDB entry for the disc with the given names.
  QByteArray Entry(const QString& artist, const QString& title) const {
    QString entry = "# xmcd\n#\n# Track frame offsets:\n#\t150\n#\n# Disc length: 60 seconds\n#\nDISCID=" + discId +
                    "\nDTITLE=" + artist + " / " + title + "\n";
    for (int i = 0; i < trackCount; ++i) entry += QString("TTITLE%1=Song %2\n").arg(i).arg(i + 1);
    return (entry + "EXTD=\nPLAYORDER=\n.\n").toUtf8();
  }

  int trackCount = 3;
  double trackSeconds = 2.0;
  QString cue;
  QString discId;
  FakeCddbServer server;
  TMyFreeDBInterfaceForm* lookup = nullptr;
  TfreedbMatchesDialogForm* matches = nullptr;
  TSubmitTofreedbForm* submit = nullptr;
  Cddb::TCddb* freedb = nullptr;
};

}  // namespace TestCddb
