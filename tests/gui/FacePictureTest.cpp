// Decoding the face picture compiled into the program, and broken pictures.
#include <vector>

#include "GuiSupport.h"
#include "host/FacePicture.h"

namespace {

TEST(FacePictureTest, CompiledPictureDecodesSquareAtTwiceTheShownSize) {
  QString error;
  const QImage face = DecodeJpeg(FaceJpeg, FaceJpegSize, error);
  ASSERT_FALSE(face.isNull()) << error.toStdString();
  EXPECT_TRUE(error.isEmpty());
  EXPECT_EQ(face.width(), face.height());
  EXPECT_GE(face.height(), 2 * 249);
  // The face is black at the middle, the knob white, the corners the window's grey.
  EXPECT_LT(qGray(face.pixel(face.width() / 2, face.height() / 2)), 16);
  EXPECT_GT(qGray(face.pixel(face.width() / 2, face.height() * 433 / 498)), 230);
  EXPECT_GT(qGray(face.pixel(2, 2)), 220);
}

TEST(FacePictureTest, BrokenPicturesReportAReasonInsteadOfCrashing) {
  QString error;
  EXPECT_TRUE(DecodeJpeg(nullptr, 0, error).isNull());
  EXPECT_FALSE(error.isEmpty());

  const std::vector<uint8_t> garbage(100, 0x5A);
  error.clear();
  EXPECT_TRUE(DecodeJpeg(garbage.data(), garbage.size(), error).isNull());
  EXPECT_FALSE(error.isEmpty());

  // Cut off half way: libjpeg only warns, the picture still counts as broken.
  error.clear();
  EXPECT_TRUE(DecodeJpeg(FaceJpeg, FaceJpegSize / 2, error).isNull());
  EXPECT_FALSE(error.isEmpty());

  // A damaged header.
  std::vector<uint8_t> damaged(FaceJpeg, FaceJpeg + FaceJpegSize);
  for (std::size_t i = 2; i < 40; ++i) damaged[i] = 0xFF;
  error.clear();
  EXPECT_TRUE(DecodeJpeg(damaged.data(), damaged.size(), error).isNull());
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
