// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "copyjob/scan/model/ScanError.h"

#include <QCoreApplication>

namespace {

using Code = ScanError::Code;

// Every word the scanner's failures are said in, in one place: whole
// sentences, the arguments in them as %1, %2, %3.
const struct
{
    ScanStatus status;
    const char *text;
} kStatusWords[] = {
    {ScanStatus::Unsupported,
     QT_TRANSLATE_NOOP("Scanner", "The scanner cannot do what was asked of it.")},
    {ScanStatus::Cancelled, QT_TRANSLATE_NOOP("Scanner", "The scan was stopped at the scanner.")},
    {ScanStatus::DeviceBusy,
     QT_TRANSLATE_NOOP("Scanner", "The scanner is busy. Wait until it is free, then try again.")},
    {ScanStatus::Invalid,
     QT_TRANSLATE_NOOP("Scanner", "The scanner does not accept these scan settings.")},
    {ScanStatus::EndOfFile,
     QT_TRANSLATE_NOOP("Scanner", "The scanner stopped before the whole page arrived.")},
    {ScanStatus::Jammed, QT_TRANSLATE_NOOP("Scanner", "Document feeder jammed")},
    {ScanStatus::NoDocuments, QT_TRANSLATE_NOOP("Scanner", "The document feeder is empty.")},
    {ScanStatus::CoverOpen, QT_TRANSLATE_NOOP("Scanner", "Scanner cover is open")},
    {ScanStatus::IoError,
     QT_TRANSLATE_NOOP(
         "Scanner",
         "The scanner could not be reached (input/output error). Check its cable and power.")},
    {ScanStatus::NoMemory, QT_TRANSLATE_NOOP("Scanner", "Out of memory: the scan does not fit.")},
    {ScanStatus::AccessDenied,
     QT_TRANSLATE_NOOP("Scanner",
                       "Access to the scanner was denied. Another user or program may hold it.")},
    {ScanStatus::Unknown,
     QT_TRANSLATE_NOOP("Scanner", "The scanner reported an unknown error (%1).")},
};

const struct
{
    Code code;
    const char *text;
} kWords[] = {
    {Code::Cancelled, QT_TRANSLATE_NOOP("Scanner", "Scan cancelled.")},
    {Code::SaneUnavailable,
     QT_TRANSLATE_NOOP("Scanner", "SANE, the scanning library, could not be started.")},
    {Code::NoScanner,
     QT_TRANSLATE_NOOP(
         "Scanner",
         "No scanner was found. Connect a scanner and switch it on, then choose Retry.")},
    {Code::NotConnected,
     QT_TRANSLATE_NOOP(
         "Scanner",
         "The scanner %1 is not connected. Connect it and switch it on, then choose Retry.")},
    {Code::ConnectionLost,
     QT_TRANSLATE_NOOP("Scanner", "The scanner %1 can no longer be reached. Check the network and "
                                  "the scan server, then choose Retry.")},
    {Code::NoScannerOpen, QT_TRANSLATE_NOOP("Scanner", "No scanner is open.")},
    {Code::NoSuchSetting, QT_TRANSLATE_NOOP("Scanner", "The scanner has no setting “%1”.")},
    {Code::SettingInactive,
     QT_TRANSLATE_NOOP("Scanner", "The scanner's setting “%1” cannot be changed now.")},
    {Code::SettingNeedsValue,
     QT_TRANSLATE_NOOP("Scanner", "The scanner's setting “%1” needs a value.")},
    {Code::SettingUnsettable,
     QT_TRANSLATE_NOOP("Scanner", "The scanner's setting “%1” cannot be set.")},
    //: %2 is the scanner's answer, a sentence of its own.
    {Code::SettingRefused,
     QT_TRANSLATE_NOOP("Scanner", "The scanner refused the setting “%1”: %2")},
    {Code::NoPicture, QT_TRANSLATE_NOOP("Scanner", "The scanner sent no picture.")},
    {Code::PageNotTaken,
     QT_TRANSLATE_NOOP("Scanner", "The page could not be taken from the scanner driver.")},
    {Code::TooLarge,
     QT_TRANSLATE_NOOP("Scanner", "This scan would be %1 × %2 pixels (%3 MiB), more than this "
                                  "computer's memory can hold. Choose a lower resolution.")},
    {Code::TooLargeHand,
     QT_TRANSLATE_NOOP("Scanner", "This scan would be %1 × … pixels (%2 MiB), more than this "
                                  "computer's memory can hold. Choose a lower resolution.")},
    {Code::PageComplete, QT_TRANSLATE_NOOP("Scanner", "The page is already complete.")},
    {Code::UnknownFormat,
     QT_TRANSLATE_NOOP("Scanner",
                       "The scanner sends pictures in a format this program cannot read.")},
    {Code::UnreadableDepth,
     QT_TRANSLATE_NOOP("Scanner",
                       "The scanner sends %1 bits per sample, which this program cannot read.")},
    {Code::EmptyPicture, QT_TRANSLATE_NOOP("Scanner", "The scanner sent an empty picture.")},
    {Code::ShortLines,
     QT_TRANSLATE_NOOP("Scanner", "The scanner sent lines shorter than its own picture size.")},
    {Code::SecondPicture,
     QT_TRANSLATE_NOOP("Scanner", "The scanner sent more than one picture for a page.")},
    {Code::PassesDiffer,
     QT_TRANSLATE_NOOP("Scanner", "The colour passes of the scan do not match in size.")},
    {Code::DataOutsidePicture,
     QT_TRANSLATE_NOOP("Scanner", "The scanner sent data outside of a picture.")},
    {Code::EndNotBegun,
     QT_TRANSLATE_NOOP("Scanner", "The scanner ended a picture it had not begun.")},
    {Code::PassMissing, QT_TRANSLATE_NOOP("Scanner", "A colour pass of the scan is missing.")},
    {Code::DriverNotStarted,
     QT_TRANSLATE_NOOP("Scanner", "The scanner driver could not be started.")},
    //: %2 is a signal's number, %3 its name as the system gives it.
    {Code::DriverKilled,
     QT_TRANSLATE_NOOP("Scanner", "The scanner driver stopped working for %1 (it was ended by "
                                  "signal %2, %3). Choose Retry to start it again.")},
    {Code::DriverKilledListing,
     QT_TRANSLATE_NOOP("Scanner",
                       "The scanner driver stopped working while looking for scanners (it was "
                       "ended by signal %1, %2). Choose Retry to start it again.")},
    {Code::DriverExited,
     QT_TRANSLATE_NOOP("Scanner", "The scanner driver stopped working for %1 (it ended with exit "
                                  "status %2). Choose Retry to start it again.")},
    {Code::DriverExitedListing,
     QT_TRANSLATE_NOOP("Scanner",
                       "The scanner driver stopped working while looking for scanners (it ended "
                       "with exit status %1). Choose Retry to start it again.")},
    {Code::Stalled, QT_TRANSLATE_N_NOOP("Scanner", "The scanner has sent nothing for %n seconds.")},
    {Code::StalledNetwork,
     QT_TRANSLATE_N_NOOP(
         "Scanner",
         "The scanner %1 can no longer be reached: it has sent nothing for %n seconds.")},
};

QString translated(const char *text, int n = -1)
{
    return QCoreApplication::translate("Scanner", text, nullptr, n);
}

QString statusText(ScanStatus status, const QString &number)
{
    for (const auto &words : kStatusWords)
        if (words.status == status)
            return status == ScanStatus::Unknown ? translated(words.text).arg(number)
                                                 : translated(words.text);
    return {};
}

} // namespace

QString ScanError::text() const
{
    if (code == Code::DeviceStatus)
        return statusText(status, args.value(0));
    // The seconds are counted in the words (%n), so that each language says
    // them in its own plural; the device stays %1.
    const bool counted = code == Code::Stalled || code == Code::StalledNetwork;
    const QStringList rest = counted ? args.mid(0, args.size() - 1) : args;
    QString words;
    for (const auto &row : kWords)
        if (row.code == code)
            words = translated(row.text, counted ? args.value(args.size() - 1).toInt() : -1);
    if (code == Code::SettingRefused)
        return words.arg(args.value(0), statusText(status, args.value(1)));
    switch (rest.size()) {
    case 0:
        return words;
    case 1:
        return words.arg(rest[0]);
    case 2:
        return words.arg(rest[0], rest[1]);
    default:
        return words.arg(rest[0], rest[1], rest[2]);
    }
}
