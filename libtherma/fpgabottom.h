#pragma once

#include "fpgatypes.h"
#include "therma_global.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

class RegisterDevice;

// The register layer of the board: one small operation per register field.
// Nothing is cached; every read goes to the device. Operations that report a
// status return FPGA_OK (0) on success and FPGA_FAILED (255) when the device
// is missing, a transfer fails or moves fewer bytes than asked; the raw
// transfers return the full byte count or -1, so a long transfer is never
// mistaken for an error. Bit switches are read-modify-write cycles under one
// lock, because several threads switch bits of the same register.
class THERMA_EXPORT FPGABottom
{
public:
    enum { FPGA_OK = 0, FPGA_FAILED = 255 };
    // Lens index reported when there is no lens (or no board to ask).
    enum { NO_LENS = 255 };
    // Slots are accepted only inside their own register block: spot slots
    // end where the area block begins, area slots where the line registers do.
    enum { SPOT_SLOTS = 12, AREA_SLOTS = 5 };
    enum { FRAME_WIDTH = 384, FRAME_HEIGHT = 288, FRAME_PIXELS = FRAME_WIDTH * FRAME_HEIGHT };
    enum { SMALL_FRAME_WIDTH = 160, SMALL_FRAME_HEIGHT = 120,
           SMALL_FRAME_PIXELS = SMALL_FRAME_WIDTH * SMALL_FRAME_HEIGHT };
    enum { FRAME_CHUNKS = 8, FRAME_CHUNK_BYTES = FRAME_PIXELS * 2 / FRAME_CHUNKS };
    enum { VERSION_LENGTH = 15 };
    enum { PALETTE_BYTES = BOARD_PALETTE_ENTRIES * 4 };

    // Opens the default board (RegisterDevice::openBoard()).
    FPGABottom();
    explicit FPGABottom(std::shared_ptr<RegisterDevice> device);
    ~FPGABottom();
    FPGABottom(const FPGABottom &) = delete;
    FPGABottom &operator=(const FPGABottom &) = delete;

    bool isBoardOpen() const;
    RegisterDevice *registerDevice() const { return m_device.get(); }

    // Raw transfers: byte count moved, or -1 (null buffer, length below 1,
    // no device, failed call).
    int readData(unsigned int reg, void *buf, int len);
    int writeData(unsigned int reg, const void *buf, int len);

    // Picture composition.
    int fpga_set_image(Image_Mode_t mode);
    int fpga_get_image(unsigned char *value);
    Image_Mode_t imageMode() const { return m_imageMode.load(); }
    int fpga_set_ccd_pipe_ir_position(int position);
    int fpga_set_ir_pipe_ccd_position(int position);
    int fpga_set_CCD_Mix_IR_Size(int on);
    int fpga_set_IR_Mix_CCD_Size(int on);
    int set_mix_zoom(int zoom);
    int get_mix_zoom(bool *ok = nullptr);
    int set_mix_dx(char dx);
    int set_mix_dy(char dy);
    // The offsets are signed bytes.
    int get_mix_dx(bool *ok = nullptr);
    int get_mix_dy(bool *ok = nullptr);
    int set_IR_mix_CCD_percent(float fraction);
    int set_CCD_mix_IR_percent(float fraction);

    // Power, lens and switches.
    int fpga_get_IR_power();
    int fpga_read_lenIndex();
    int fpga_display_line(int line, bool on);
    int fpga_open_saturation(bool on);
    int fpga_switch_colorBar(bool on);
    int fpga_freeze_image(bool on);
    int fpga_get_freeze_status();
    int fpga_open_alarm(bool on);
    int openLaser(bool on);
    bool getLaserStatus();
    int openLamp(bool on);
    bool getLampStatus();
    int fpga_open_CCD(bool on);

    // LCD path and video output.
    int fpga_start_arm_lcd(unsigned char mode);
    int fpga_set_arm_lcd_jingDu(unsigned char state);
    int fpga_set_output_mode(int mode);

    // Internal temperatures and the humidity sensor. The value is stored
    // only when the read succeeded.
    int fpga_read_shutterTemp(float *out);
    int fpga_read_sensorTemp(float *out);
    // 0 done, -1 the sensor has no reading (0xFFFF), FPGA_FAILED on a
    // failed access.
    int fpga_get_sht11_temp_humid(float *temp, float *humid);

    // Frame statistics. Value getters return 0 and clear *ok on failure.
    unsigned short fpga_get_auto_max(bool *ok = nullptr);
    unsigned short fpga_get_auto_min(bool *ok = nullptr);
    unsigned short fpga_get_auto_averg(bool *ok = nullptr);
    int fpga_point_max_get(_point_max *point);
    int fpga_point_min_get(_point_min *point);
    int fpga_get_zft_maxMin(unsigned short *max, unsigned short *min);
    int fpga_get_zft_most(unsigned short *most);

    // Level and span.
    int fpga_start_level_span_control(bool on);
    int fpga_set_levelSpan(unsigned short level, unsigned int gain);
    unsigned short fpga_get_level(bool *ok = nullptr);
    unsigned short fpga_get_span(bool *ok = nullptr);
    unsigned short fpga_get_fpga_level(bool *ok = nullptr);
    unsigned short fpga_get_fpga_span(bool *ok = nullptr);

    // Version: at most size - 1 characters and a terminator (the board's
    // field is VERSION_LENGTH characters without one).
    int fpga_get_version(char *out, int size);

    // Isotherm.
    int fpga_set_iso_enable(bool on);
    int fpga_set_iso_type(unsigned char type);
    int fpga_set_iso_min(unsigned short ad);
    int fpga_set_iso_max(unsigned short ad);

    // Measurement slots and profile lines.
    int fpga_point_position_set(unsigned char n, const _fpga_point *point);
    int fpga_point_ad_get(unsigned char n, unsigned short *ad);
    int fpga_area_set(unsigned char n, const _area *area);
    // The caller's structure is filled only when every read succeeded.
    int fpga_area_val_get(unsigned char n, _area_val *val);
    // -1 for a line other than 1 or 2.
    int fpga_set_line_position(int line, unsigned short x, unsigned short y);

    // Palette: 261 entries of 4 bytes.
    int fpga_colorTable_set(const unsigned char *table);
    int fpga_colorTable_get(void *buf, int len);

    // Raw frames, 16-bit AD per pixel row by row. FPGA_OK only when every
    // byte arrived; a short or failed chunk fails the whole frame.
    int fpga_read_IRAD(unsigned short *frame);
    int fpga_read_IRAD_384(unsigned short *frame);

private:
    int readExact(unsigned int reg, void *buf, int len);
    int writeExact(unsigned int reg, const void *buf, int len);
    unsigned short readWord(unsigned int reg, bool *ok);
    int writeWord(unsigned int reg, unsigned short value);
    int writeByte(unsigned int reg, unsigned char value);
    // Read-modify-write of one register byte: (value & keep) | set.
    int updateByte(unsigned int reg, unsigned char keep, unsigned char set);
    int switchBit(unsigned int reg, unsigned char mask, bool on);
    int readBit(unsigned int reg, unsigned char mask, bool *ok = nullptr);
    int readTemperatureWord(unsigned int reg, float *out);
    int readPoint(unsigned int adReg, unsigned int xReg, unsigned int yReg,
                  uint16_t *ad, uint16_t *x, uint16_t *y);
    int readFrameChunk(unsigned short *chunk, int bytes);

    std::shared_ptr<RegisterDevice> m_device;
    std::atomic<Image_Mode_t> m_imageMode{IR};
    std::mutex m_updateLock;
};
