#pragma once

// Every entry point of the image library that the binding looks up, in binding order.
// clang-format off
#define ZV_MAGICK_ENTRIES(X) \
    X(InitializeMagick) X(DestroyMagick) X(DestroyMagickInfo) X(MagickToMime) \
    X(GetMagickInfo) X(RegisterMagickInfo) X(SetMagickInfo) X(DestroyExceptionInfo) \
    X(GetExceptionInfo) X(CatchException) X(MagickError) X(MagickWarning) \
    X(SetErrorHandler) X(SetWarningHandler) X(SetFatalErrorHandler) X(ThrowException) \
    X(SetExceptionInfo) X(GetLocaleExceptionMessage) X(AllocateImage) X(AllocateImageColormap) \
    X(AllocateNextImage) X(AppendImages) X(CatchImageException) X(ChannelImage) \
    X(ClipImage) X(CloneImage) X(CloneImageInfo) X(ConstituteImage) \
    X(CycleColormapImage) X(DestroyConstitute) X(DestroyImage) X(DestroyImageInfo) \
    X(DispatchImage) X(GetImageAttribute) X(GetImageClippingPathAttribute) X(GetImageDepth) \
    X(GetImageException) X(GetImageInfo) X(GetImageType) X(IsImagesEqual) \
    X(IsTaintImage) X(ModifyImage) X(PingImage) X(PlasmaImage) \
    X(PopImagePixels) X(PushImagePixels) X(ReadImage) X(ReadInlineImage) \
    X(ReferenceImage) X(SetImage) X(SetImageAttribute) X(SetImageClipMask) \
    X(SetImageDepth) X(SetImageOpacity) X(SetImageType) X(TextureImage) \
    X(WriteImage) X(WriteImages) X(MagnifyImage) X(MinifyImage) \
    X(ResizeImage) X(SampleImage) X(ScaleImage) X(ThumbnailImage) \
    X(AdaptiveThresholdImage) X(AddNoiseImage) X(AverageImages) X(BlurImage) \
    X(DespeckleImage) X(EdgeImage) X(EmbossImage) X(EnhanceImage) \
    X(GaussianBlurImage) X(MedianFilterImage) X(MotionBlurImage) X(ReduceNoiseImage) \
    X(ShadeImage) X(SharpenImage) X(SpreadImage) X(ThresholdImage) \
    X(ThresholdImageChannel) X(UnsharpMaskImage) X(ContrastImage) X(EqualizeImage) \
    X(GammaImage) X(LevelImage) X(LevelImageChannel) X(ModulateImage) \
    X(NegateImage) X(NormalizeImage) X(CharcoalImage) X(ColorizeImage) \
    X(ConvolveImage) X(ImplodeImage) X(MorphImages) X(OilPaintImage) \
    X(SolarizeImage) X(SteganoImage) X(StereoImage) X(SwirlImage) \
    X(WaveImage) X(BorderImage) X(FrameImage) X(RaiseImage) \
    X(AttachBlob) X(BlobToImage) X(ImageToBlob) X(BlobToFile) \
    X(FileToBlob) X(ImageToFile) X(CloneBlobInfo) X(DestroyBlobInfo) \
    X(DetachBlob) X(GetBlobInfo) X(GetBlobStreamData) X(GetBlobStreamType) \
    X(GetConfigureBlob) X(PingBlob) X(ReferenceBlob) X(GetModuleBlob) \
    X(GetTypeBlob) X(AcquireMemory) X(AcquireString) X(AllocateString) \
    X(CloneMemory) X(GetPathComponent) X(LiberateMemory) X(ReacquireMemory) \
    X(Ascii85Initialize) X(Ascii85Flush) X(Ascii85Encode) X(HuffmanDecodeImage) \
    X(HuffmanEncodeImage) X(LZWEncodeImage) X(PackbitsEncodeImage) X(NewImageList) \
    X(CloneImageList) X(DestroyImageList) X(GetImageFromList) X(GetNextImageInList) \
    X(GetPreviousImageInList) X(AppendImageToList) X(DeleteImageFromList) X(InsertImageInList) \
    X(PrependImageToList) X(RemoveFirstImageFromList) X(RemoveLastImageFromList) X(SplitImageList) \
    X(ReverseImageList) X(SyncNextImageInList) X(SpliceImageIntoList) X(GetImageIndexInList) \
    X(GetImageListLength) X(DestroyTypeInfo) X(GetTypeInfo) X(GetTypeInfoByFamily) \
    X(GetTypeList) X(CloneDrawInfo) X(DestroyDrawInfo) X(DrawAffineImage) \
    X(DrawClipPath) X(DrawImage) X(DrawPatternPath) X(DrawPrimitive) \
    X(GetDrawInfo) X(AnnotateImage) X(GetTypeMetrics) X(GetColorInfo) \
    X(FuzzyColorCompare) X(IsGrayImage) X(IsMonochromeImage) X(IsOpaqueImage) \
    X(IsPaletteImage) X(QueryColorDatabase) X(QueryColorName) X(RGBTransformImage) \
    X(ProfileImage) X(TransformColorspace) X(TransformRGBImage) X(Contrast) \
    X(GenerateNoise) X(ExpandAffine) X(GetOptimalKernelWidth) X(HSLTransform) \
    X(HWBTransform) X(Hull) X(IdentityAffine) X(InterpolateColor) \
    X(Modulate) X(TransformHSL) X(TransformHWB) X(Upsample) \
    X(GetGeometry) X(GetPageGeometry) X(IsGeometry) X(IsSceneGeometry) \
    X(ParseAbsoluteGeometry) X(ParseGeometry) X(ParseGravityGeometry) X(ParseMetaGeometry) \
    X(ParsePageGeometry) X(ParseSizeGeometry) X(SetGeometry) X(SetGeometryInfo) \
    X(ColorFloodfillImage) X(MatteFloodfillImage) X(OpaqueImage) X(TransparentImage) \
    X(CloneQuantizeInfo) X(CompressImageColormap) X(DestroyQuantizeInfo) X(GetImageQuantizeError) \
    X(GetQuantizeInfo) X(MapImage) X(MapImages) X(OrderedDitherImage) \
    X(QuantizeImage) X(QuantizeImages) X(AffineTransformImage) X(RotateImage) \
    X(ShearImage) X(ChopImage) X(CoalesceImages) X(CropImage) \
    X(DeconstructImages) X(FlattenImages) X(FlipImage) X(FlopImage) \
    X(MosaicImages) X(RollImage) X(ShaveImage) X(TransformImage) \
    X(CompositeImage) X(ImageToHBITMAP)
// clang-format on

namespace ImageMagickAPI {

enum class TMagickEntry : int {
#define ZV_ENTRY_ENUM(name) name,
    ZV_MAGICK_ENTRIES(ZV_ENTRY_ENUM)
#undef ZV_ENTRY_ENUM
        Count
};

// Entries of the bound release that the names above do not cover.
#define ZV_MAGICK_EXTRA_ENTRIES(X)                                                                 \
    X(AcquireMagickMemory) X(CloneString) X(SetImageOption) X(MergeImageLayers)

enum class TMagickExtraEntry : int {
#define ZV_ENTRY_ENUM(name) name,
    ZV_MAGICK_EXTRA_ENTRIES(ZV_ENTRY_ENUM)
#undef ZV_ENTRY_ENUM
        Count
};

} // namespace ImageMagickAPI
