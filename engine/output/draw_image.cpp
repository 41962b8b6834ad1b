// Slot 31: the picture of an image record, loaded from its file on first
// use, placed in the box by the record's layout and clipped to the clip box.
// Bitmaps are stretched into their place; metafiles are played through the
// operation table.
#include <algorithm>
#include <vector>

#include "boundary.h"
#include "diagnostics.h"
#include "image_layout.h"
#include "image_picture.h"
#include "output_state.h"
#include "palette.h"
#include "picture.h"
#include "picture_canvas.h"
#include "w_render.h"

// The platform places pictures by its own layout codes, numbered as the
// IMAGE_LAYOUT resources are.
static_assert(int(vex3d::PictureLayout::kCentered) == Vex3dImageLayoutCentered &&
              int(vex3d::PictureLayout::kTiled) == Vex3dImageLayoutTiled &&
              int(vex3d::PictureLayout::kFitted) == Vex3dImageLayoutFitted &&
              int(vex3d::PictureLayout::kStretched) == Vex3dImageLayoutStretched &&
              int(vex3d::PictureLayout::kStretchedToWidth) == Vex3dImageLayoutStretchedToWidth &&
              int(vex3d::PictureLayout::kStretchedToHeight) == Vex3dImageLayoutStretchedToHeight &&
              int(vex3d::PictureLayout::kCropFitted) == Vex3dImageLayoutCropFitted);

namespace vex3d {
namespace {

// Metafile copies played at most for one tiled picture.
constexpr std::size_t kMaxPlayedTiles = 4096;

// The picture of the record; an empty bitmap stands for a file that is no
// picture, so that it is not read again at every drawing.
const Picture &loaded_picture(Vex3dGraph *graph, ImageRecord &image) {
  if (const Picture *loaded = image_picture(image)) return *loaded;
  PictureRefusal why = PictureRefusal::kNone;
  std::unique_ptr<Picture> pic = load_picture_file(c_text(image.file), &why);
  // Said once: the empty stand-in keeps the file from being read again.
  if (!pic) message(graph, "VEX/3d: Warning: the picture file %s %s; it is not drawn.\n", c_text(image.file), refusal_text(why));
  const bool adds_colors = pic && (pic->is_bitmap() || pic->kind == PictureKind::kEnhancedMetafile);
  set_image_picture(image, pic ? std::move(pic) : std::make_unique<Picture>());
  if (adds_colors) rebuild_palette_if_used(graph);
  return *image_picture(image);
}

platform::Box box_of(const MetaRect &r) { return platform::Box{r.x, r.y, r.width, r.height}; }

// The tiles of a bitmap over the box as one image, so that a small picture
// in a large box is one stretch and not thousands.
std::vector<std::uint32_t> tiled_pixels(const std::vector<std::uint32_t> &argb, const Picture &pic, const MetaRect &to,
                                        const MetaRect &tile) {
  std::vector<std::uint32_t> out(static_cast<std::size_t>(to.width) * to.height);
  for (int y = 0; y < to.height; ++y) {
    const int sy = ((y + to.y - tile.y) % tile.height) * pic.height / tile.height;
    for (int x = 0; x < to.width; ++x) {
      const int sx = ((x + to.x - tile.x) % tile.width) * pic.width / tile.width;
      out[static_cast<std::size_t>(y) * to.width + x] = argb[static_cast<std::size_t>(sy) * pic.width + sx];
    }
  }
  return out;
}

void draw_bitmap(platform::DrawContext &ctx, const Picture &pic, const ImagePlacement &place, const MetaRect &box) {
  const std::vector<std::uint32_t> &argb = converted_pixels(pic);
  if (argb.empty()) return;
  if (!place.tiled) {
    ctx.draw_image(platform::ImageView{argb.data(), pic.width, pic.height, pic.width}, box_of(place.rect));
    return;
  }
  // Only the part of the box that can be seen is filled.
  const platform::Box seen = ctx.state().clip ? platform::intersect(*ctx.state().clip, box_of(box)) : box_of(box);
  if (seen.empty() || static_cast<std::int64_t>(seen.width) * seen.height > kMaxPicturePixels) return;
  const MetaRect to{seen.x, seen.y, seen.width, seen.height};
  const auto tiles = tiled_pixels(argb, pic, to, place.rect);
  ctx.draw_image(platform::ImageView{tiles.data(), to.width, to.height, to.width}, seen);
}

}  // namespace

PixelSize picture_pixel_size(Vex3dGraph *graph, ImageRecord &image) {
  if (!image.file) return {};
  const Picture &pic = loaded_picture(graph, image);
  return PixelSize{std::max(0, pic.pixel_width), std::max(0, pic.pixel_height)};
}

}  // namespace vex3d

using namespace vex3d;

extern "C" void vex3d_win_drawimage(Vex3dGraph *graph, vex3d::ImageRecord *image, int x, int y, int width, int height,
                                    int clip_x, int clip_y, int clip_width, int clip_height) {
  guarded(__func__, [&] {
    if (!graph || !image || !image->file) return;
    platform::DrawContext *ctx = current_context(graph);
    if (!ctx) return;
    const Picture &pic = loaded_picture(graph, *image);
    const MetaRect box{x, y, width, height};
    const ImagePlacement place = place_image(image->layout, pic.pixel_width, pic.pixel_height, box);
    if (place.empty) return;

    // Metafile contexts are not clipped; elsewhere the clip box holds, and
    // tiles are also cut at the box.
    std::optional<MetaRect> clip;
    if (!is_metafile(ctx)) {
      clip = MetaRect{clip_x, clip_y, clip_width, clip_height};
      if (place.tiled) {
        const platform::Box cut = platform::intersect(box_of(*clip), box_of(box));
        clip = MetaRect{cut.x, cut.y, cut.width, cut.height};
      }
    }

    OutputState &out = output_state(graph);
    const platform::DrawState saved = out.state;
    const PenDescription saved_pen = out.pen;
    const int saved_fill_color = out.fill_color, saved_fill_style = out.fill_style;
    const bool saved_stipple = out.stipple_brush;
    if (pic.is_bitmap()) {
      if (clip) ctx->set_clip(box_of(*clip));
      draw_bitmap(*ctx, pic, place, box);
    } else {
      OperationCanvas canvas(graph, clip);
      PlayBudget budget;
      budget.visible = clip;
      for (const MetaRect &copy : image_copies(place, box, kMaxPlayedTiles)) {
        play_metafile(pic, copy, canvas, budget);
        if (budget.spent()) {
          message(graph, "Picture %s is too costly to draw: drawn in part", c_text(image->file));
          break;
        }
      }
    }
    // The picture leaves the drawing state as it found it.
    out.pen = saved_pen;
    out.fill_color = saved_fill_color;
    out.fill_style = saved_fill_style;
    out.stipple_brush = saved_stipple;
    out.state = saved;
    ctx->set_state(saved);
  });
}
