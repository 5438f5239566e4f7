// The CD disc: drives over libcdio through cdda-paranoia, which reads past scratches and the
// jitter of cheap drives; images through their cue sheets.
#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <cstdio>
#include <cstring>
#include <mutex>

#include "gfx/ascii.h"
#include "os/cd_disc.h"
#include "os/readable_file.h"
#include "os/warn.h"
#include "platform/cdio/cue_image.h"

namespace corvane::platform {

namespace {

constexpr std::int32_t kSamplesPerSector = kCdFramesPerSector * 2;
// Attempts paranoia makes at one sector before it gives up; without a limit a disc too damaged
// to read would keep the reading thread busy for good.
constexpr int kReadRetries = 20;

// libcdio warns on stderr about every image it cannot open, and the device may try again on
// each command; the reason the caller is given says it once. Only libcdio's errors get through.
void QuietLog(cdio_log_level_t level, const char message[]) {
  if (level >= CDIO_LOG_ERROR) Warn("libcdio: %s", message);
}

bool IsCueSheet(const std::string& name) {
  if (name.size() < 4) return false;
  return gfx::EqualIgnoringAsciiCase(std::string_view(name).substr(name.size() - 4), ".cue");
}

// Reads the table of contents, or says what is wrong with it.
bool ReadToc(CdIo_t* cdio, CdToc& toc, std::string& problem) {
  const track_t first = cdio_get_first_track_num(cdio);
  const track_t count = cdio_get_num_tracks(cdio);
  if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK) {
    problem = "no disc";
    return false;
  }
  if (count == 0) {
    problem = "the disc has no tracks";
    return false;
  }
  for (int number = first; number < first + count; ++number) {
    const lsn_t start = cdio_get_track_lsn(cdio, static_cast<track_t>(number));
    if (start == CDIO_INVALID_LSN) {
      problem = "track " + std::to_string(number) + " cannot be located";
      return false;
    }
    const bool audio =
        cdio_get_track_format(cdio, static_cast<track_t>(number)) == TRACK_FORMAT_AUDIO;
    toc.tracks.push_back({number, start, audio});
  }
  toc.leadout = cdio_get_track_lsn(cdio, CDIO_CDROM_LEADOUT_TRACK);
  if (!toc.Consistent()) {
    // An image whose data file is shorter than its cue sheet says ends up here: its lead-out
    // comes before the start of its last tracks.
    problem = "the table of contents does not fit the disc's data";
    return false;
  }
  return true;
}

class CdioDisc : public CdDisc {
 public:
  CdioDisc(CdIo_t* cdio, CdToc toc) : cdio_(cdio), toc_(std::move(toc)) {}
  ~CdioDisc() override { CdioDisc::Close(); }
  CdioDisc(const CdioDisc&) = delete;
  CdioDisc& operator=(const CdioDisc&) = delete;

  const CdToc& Toc() const override { return toc_; }

  bool ReadAudio(std::int32_t sector, std::int32_t count, std::int16_t* samples) override {
    std::lock_guard lock(mutex_);
    if (cdio_ == nullptr || count <= 0 || sector < 0 || sector > toc_.leadout - count) {
      return false;
    }
    return ReadLocked(sector, count, samples);
  }

  void Close() override {
    std::lock_guard lock(mutex_);
    CloseLocked();
    if (cdio_ != nullptr) cdio_destroy(cdio_);
    cdio_ = nullptr;
  }

 protected:
  virtual bool ReadLocked(std::int32_t sector, std::int32_t count, std::int16_t* samples) = 0;
  virtual void CloseLocked() {}

  CdIo_t* cdio_;
  const CdToc toc_;

 private:
  std::mutex mutex_;
};

// A drive read through paranoia, which keeps its own read position; a seek is made only when
// a read does not follow the one before.
class DriveDisc final : public CdioDisc {
 public:
  DriveDisc(CdIo_t* cdio, CdToc toc, cdrom_drive_t* drive, cdrom_paranoia_t* paranoia)
      : CdioDisc(cdio, std::move(toc)), drive_(drive), paranoia_(paranoia) {}
  ~DriveDisc() override { Close(); }
  DriveDisc(const DriveDisc&) = delete;
  DriveDisc& operator=(const DriveDisc&) = delete;

 private:
  bool ReadLocked(std::int32_t sector, std::int32_t count, std::int16_t* samples) override {
    if (sector != next_) cdio_paranoia_seek(paranoia_, sector, SEEK_SET);
    next_ = -1;
    for (std::int32_t i = 0; i < count; ++i) {
      const std::int16_t* read = cdio_paranoia_read_limited(paranoia_, nullptr, kReadRetries);
      if (read == nullptr) return false;
      std::memcpy(samples + static_cast<std::size_t>(i) * kSamplesPerSector, read,
                  kSamplesPerSector * sizeof(std::int16_t));
    }
    next_ = sector + count;
    return true;
  }

  void CloseLocked() override {
    if (paranoia_ != nullptr) cdio_paranoia_free(paranoia_);
    // The drive's cdio handle is the disc's own and is destroyed after this.
    if (drive_ != nullptr) cdio_cddap_close_no_free_cdio(drive_);
    paranoia_ = nullptr;
    drive_ = nullptr;
  }

  cdrom_drive_t* drive_;
  cdrom_paranoia_t* paranoia_;
  std::int32_t next_ = -1;
};

std::unique_ptr<CdDisc> OpenDrive(const std::string& device, std::string& problem) {
  // Only a block device is handed to the drive layer: anything else could block its open.
  if (!device.empty() && !IsBlockDevice(device)) {
    problem = "CD drive " + device + " is not a block device";
    return nullptr;
  }
  CdIo_t* cdio = cdio_open(device.empty() ? nullptr : device.c_str(), DRIVER_DEVICE);
  const std::string shown = device.empty() ? "the default CD drive" : "CD drive " + device;
  if (cdio == nullptr) {
    problem = shown + " cannot be opened";
    return nullptr;
  }
  CdToc toc;
  if (!ReadToc(cdio, toc, problem)) {
    problem = shown + ": " + problem;
    cdio_destroy(cdio);
    return nullptr;
  }
  cdrom_drive_t* drive = cdio_cddap_identify_cdio(cdio, CDDA_MESSAGE_FORGETIT, nullptr);
  if (drive == nullptr || cdio_cddap_open(drive) != 0) {
    problem = shown + " cannot read digital audio";
    if (drive != nullptr) cdio_cddap_close_no_free_cdio(drive);
    cdio_destroy(cdio);
    return nullptr;
  }
  cdrom_paranoia_t* paranoia = cdio_paranoia_init(drive);
  // Full checking, but a sector that stays unreadable is skipped instead of retried forever.
  cdio_paranoia_modeset(paranoia, PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
  return std::make_unique<DriveDisc>(cdio, std::move(toc), drive, paranoia);
}

}  // namespace

std::unique_ptr<CdDisc> OpenCdDisc(const std::string& name, std::string& problem) {
  cdio_log_set_handler(&QuietLog);
  if (!IsCueSheet(name)) return OpenDrive(name, problem);
  std::unique_ptr<CdDisc> disc = OpenCueImage(name, problem);
  if (disc == nullptr) problem = "CD image " + name + ": " + problem;
  return disc;
}

}  // namespace corvane::platform
