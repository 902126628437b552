#include "ui/skin/jpeg_picture.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

#include <jpeglib.h>

namespace kavrel::ui::skin {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void failDecoding(j_common_ptr info) {
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, error->message);
    std::longjmp(error->jump, 1);
}

// Warnings (such as a truncated file, whose missing rows decode as grey) keep the picture and stay quiet.
extern "C" void ignoreMessage(j_common_ptr) {}

// The decoder state lives outside the functions that call setjmp, so nothing they own is skipped or left
// indeterminate by a jump back.
struct Session {
    Session() {
        info.err = jpeg_std_error(&error.base);
        error.base.error_exit = failDecoding;
        error.base.output_message = ignoreMessage;
    }
    ~Session() {
        if (created)
            jpeg_destroy_decompress(&info);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    jpeg_decompress_struct info{};
    ErrorManager error{};
    bool created = false;
};

bool readHeader(Session& session, const unsigned char* data, std::size_t size) {
    if (setjmp(session.error.jump))
        return false;
    jpeg_create_decompress(&session.info);
    session.created = true;
    jpeg_mem_src(&session.info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&session.info, TRUE);
    session.info.out_color_space = JCS_EXT_BGRX;
    return true;
}

bool readRows(Session& session, QImage& image) {
    if (setjmp(session.error.jump))
        return false;
    jpeg_start_decompress(&session.info);
    if (session.info.output_width != static_cast<JDIMENSION>(image.width()) ||
        session.info.output_height != static_cast<JDIMENSION>(image.height())) {
        std::snprintf(session.error.message, sizeof session.error.message, "Unexpected output size");
        return false;
    }
    while (session.info.output_scanline < session.info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(session.info.output_scanline));
        jpeg_read_scanlines(&session.info, &row, 1);
    }
    jpeg_finish_decompress(&session.info);
    return true;
}

DecodedPicture failure(std::string message) {
    return DecodedPicture{QImage(), std::move(message)};
}

std::string systemMessage(int error) {
    return std::generic_category().message(error);
}

} // namespace

DecodedPicture decodeJpeg(const unsigned char* data, std::size_t size) {
    if (data == nullptr || size == 0)
        return failure("Empty input file");
    Session session;
    if (!readHeader(session, data, size))
        return failure(session.error.message);
    const JDIMENSION width = session.info.image_width;
    const JDIMENSION height = session.info.image_height;
    if (width > MaxPictureSide || height > MaxPictureSide)
        return failure("Picture of " + std::to_string(width) + " x " + std::to_string(height) +
                       " pixels is too large");
    // Format_RGB32 is stored as B, G, R, X bytes on little-endian machines, which is what JCS_EXT_BGRX
    // writes; on big-endian ones the channels would need swapping.
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        return failure("Not enough memory for the picture");
    if (!readRows(session, image))
        return failure(session.error.message);
    return DecodedPicture{std::move(image), {}};
}

DecodedPicture loadJpegFile(const std::filesystem::path& file) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    errno = 0;
    std::unique_ptr<std::FILE, Closer> in(std::fopen(file.c_str(), "rb"));
    if (!in)
        return failure(systemMessage(errno));
    std::vector<unsigned char> bytes;
    unsigned char buffer[64 * 1024];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) {
        if (bytes.size() + got > MaxPictureFileBytes)
            return failure("File is too large for a picture");
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    if (std::ferror(in.get()))
        return failure(systemMessage(errno ? errno : EIO));
    return decodeJpeg(bytes.data(), bytes.size());
}

} // namespace kavrel::ui::skin
