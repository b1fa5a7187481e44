// SPDX-FileCopyrightText: 2026 Mirel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// What a scanner answered when it failed, in the program's own terms.
enum class ScanStatus : quint8 {
    Good,
    Unsupported,
    Cancelled, // stopped at the scanner, not by the user
    DeviceBusy,
    Invalid,
    EndOfFile, // the page ended early
    Jammed,
    NoDocuments,
    CoverOpen,
    IoError,
    NoMemory,
    AccessDenied,
    Unknown, // a status of a newer driver: its number is the error's last argument
};

// Why a scanning request failed, as a code and its arguments, never words:
// the helper that runs the driver sends it, and Mirel words it (text()), so a
// caller branches on the code and a translation reaches every message. The
// arguments are in the order the words name them; the comment after each
// code says what they are.
struct ScanError
{
    enum class Code : quint8 {
        None,                // no failure
        DeviceStatus,        // the scanner answered `status`
        Cancelled,           // the user stopped the scan
        SaneUnavailable,     // libsane could not be loaded or started
        NoScanner,           // none found at all
        NotConnected,        // device
        ConnectionLost,      // device: a network scanner that stopped answering
        NoScannerOpen,       //
        NoSuchSetting,       // setting
        SettingInactive,     // setting
        SettingNeedsValue,   // setting
        SettingUnsettable,   // setting
        SettingRefused,      // setting; the scanner answered `status`
        NoPicture,           //
        PageNotTaken,        // the page's memory could not be handed over
        TooLarge,            // width, height, MiB
        TooLargeHand,        // width, MiB: a page of unknown height
        PageComplete,        //
        UnknownFormat,       //
        UnreadableDepth,     // bits per sample
        EmptyPicture,        //
        ShortLines,          //
        SecondPicture,       //
        PassesDiffer,        //
        DataOutsidePicture,  //
        EndNotBegun,         //
        PassMissing,         //
        DriverNotStarted,    // the helper process could not be started
        DriverKilled,        // device, signal number, signal name
        DriverKilledListing, // signal number, signal name: while looking for scanners
        DriverExited,        // device, exit status
        DriverExitedListing, // exit status
        Stalled,             // seconds
        StalledNetwork,      // device, seconds
    };

    Code code = Code::None;
    ScanStatus status = ScanStatus::Good;
    QStringList args;

    static ScanError of(Code code, QStringList args = {}) { return {code, ScanStatus::Good, args}; }
    static ScanError deviceStatus(ScanStatus status, QStringList args = {})
    {
        return {Code::DeviceStatus, status, args};
    }

    // True for a failure.
    explicit operator bool() const { return code != Code::None; }
    // The words the user reads, in the user's language.
    QString text() const;

    bool operator==(const ScanError &) const = default;
};
