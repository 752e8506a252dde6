// The fixed console and run-log texts that are not messages of the
// catalog (a message file cannot change them): the run's start and end,
// the run log's standard head, the warnings about the message file, and
// the reasons why a file is not written.
#pragma once

#include <string_view>

namespace qp {

// The start of a run, on the console and in the run log.
inline constexpr std::string_view kStartedIn = "Quillplot started in ";
inline constexpr std::string_view kStartedAt = " at ";
inline constexpr std::string_view kStartedOn = " on ";
inline constexpr std::string_view kByCommand = " by command:<br>\n &nbsp; qplot.exe";
inline constexpr std::string_view kLogFileIs = "Log file is ";
// The end of a run.
inline constexpr std::string_view kFinishedAt = "Quillplot finished at ";
inline constexpr std::string_view kLogEnd = "</BODY>\n</HTML>\n";
// Runs that cannot start.
inline constexpr std::string_view kFullpathError = " Error calling fullpath()";
inline constexpr std::string_view kLogCannotOpen = "qplotlog.htm can not open\n";
inline constexpr std::string_view kAborted = "Quillplot aborted\n";
// A run log that could not be written completely, after the run's end:
// "Log file PATH could not be written".
inline constexpr std::string_view kLogFile = "Log file ";
inline constexpr std::string_view kNotWritten = "could not be written";
// A file whose reading stopped early: "File PATH: could not be read to
// its end".
inline constexpr std::string_view kNotReadToItsEnd = "could not be read to its end";
// Why a page is not written over a file (on standard error, after "can
// not be opened: ").
inline constexpr std::string_view kIsTheRunLog = "the run log is written there";
inline constexpr std::string_view kIsReadByTheRun = "this run reads that file";
// Why a chart file that a job names is not read with --safe.
inline constexpr std::string_view kLeavesTheJob = "the name leads outside the job's input directory";

// The run log's head when no message file gives one.
inline constexpr std::string_view kStandardHead =
    "<HTML>\n"
    "<head><META Name=\"Generator\" Content=\"Quillplot\"></head>\n"
    "<BODY text='green'>\n";

// The message file: read, refused, and its faulty entries.
inline constexpr std::string_view kMessagesFrom = "Messages are inputted from ";
inline constexpr std::string_view kMessageFileErrors = "Errors are found in file ";
inline constexpr std::string_view kMessageFileNotUsed = ". File does not used.\n";
inline constexpr std::string_view kTooManyMessages = "Number of message more than 34\n";
inline constexpr std::string_view kMessageTooLong = "Number of simbols in message ";
inline constexpr std::string_view kMessageTooLongEnd = " more than 100\n";

}  // namespace qp
