#pragma once

#include "errors/RuntimeError.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>

// A broken promise of the code under test: ends the run so that libFuzzer keeps the input.
[[noreturn]] inline void finding(const char *what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

// Writes one input as the whole content of a file. Every input reuses the same path, so the
// run spends its time in the reader rather than in creating files. The name matters to readers
// that go by the extension.
inline QString writeInput(const std::uint8_t *data, std::size_t size,
                          const QString &name = QStringLiteral("input.txt"))
{
    static const QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    const auto length = qint64(size);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), length) != length) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

// Runs a reader on the input file. A value or a run-time failure are the only outcomes the
// program can handle; any other exception is a finding, as is failing to open the file that
// was just written.
template<typename Work>
std::optional<Failure> valueOrRuntimeError(Work &&work)
{
    try {
        work();
    } catch (const RuntimeError &error) {
        if (error.kind() == Failure::CannotOpen)
            finding("the input file could not be opened");
        return error.kind();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "unexpected exception: %s\n", error.what());
        finding("an exception other than RuntimeError escaped");
    } catch (...) {
        finding("an exception of unknown type escaped");
    }
    return std::nullopt;
}
