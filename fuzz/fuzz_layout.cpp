// libs: forms
// Any bytes as a layout description: the builder creates, places and configures what it
// names, then every component's value is read. It must never crash, hang or throw. Seeds
// and a dictionary: tests/fixtures/forms/fuzz_layout/ and tests/fixtures/forms/fuzz_layout.dict.
#include "forms/classregistry.h"
#include "forms/controlvaluesetter.h"
#include "forms/form_creator.h"
#include "forms/standardclasses.h"
#include "forms/twControls.h"

#include <QApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    RegisterStandardClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Descriptions are small files; the builder's cost grows with what they create.
    if (size > 64 * 1024)
        return 0;
    TForm window;
    TFormCreator creator;
    creator.BuildFormFromData(&window, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    TControlValueSetter setter;
    for (QObject *component : Components::Owned(&window))
        setter.GetControlValue(component);
    setter.ApplyFieldValues(&window, setter.GetFieldValues(&window));
    return 0;
}
