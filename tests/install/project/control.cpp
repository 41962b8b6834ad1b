// An application that embeds the control through the installed package:
// properties by name and by typed accessor, an enumeration refused with its
// status, a picture saved.
#include <torvane3d/control/3dctl.h>

#include <cstdio>

int main(int argc, char **argv) {
  auto chart = tc3d::Chart3D::create(nullptr, {320, 240});
  tc3d::Variant batched[] = {tc3d::Variant(true)};
  chart->invoke("isbatched", tc3d::Invoke::Put, batched);
  chart->put_PreviewMethod(tc3d::tc3dPreviewFull);
  tc3d::IChart3D_Dual dual(chart);
  const tc3d::Status refused = dual.put_PreviewMethod(50);
  chart->put_IsBatched(false);
  const bool saved = argc < 2 || chart->SaveImageAsPng(argv[1], false);
  const bool ok = chart->IsBatched() == false && chart->PreviewMethod() == 100 && refused == 0x800A2713u && saved;
  std::puts(ok ? "outside control: ok" : "outside control: wrong");
  return ok ? 0 : 1;
}
