<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>Visit %1</source>
        <translation>Сайт %1</translation>
    </message>
    <message>
        <source>Contact %1</source>
        <translation>Почта %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Version 1.0.4</source>
        <translation>Версия 1.0.4</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>О нас</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web site in your web browser</source>
        <translation>Открывает сайт производителя в веб-браузере</translation>
    </message>
    <message>
        <source>Starts an enquiry e-mail to the maker</source>
        <translation>Создаёт письмо с запросом производителю</translation>
    </message>
</context>
<context>
    <name>Ludrix</name>
    <message>
        <source>Pipe sizing software</source>
        <translation>Расчёт трубопроводов</translation>
    </message>
    <message>
        <source>Flow meters and gauges</source>
        <translation>Расходомеры и датчики</translation>
    </message>
    <message>
        <source>Free engineering tools</source>
        <translation>Бесплатные инструменты</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>О нас</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Reset Values</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Рассчитать</translation>
    </message>
    <message>
        <source>Select Flow Rate Unit</source>
        <translation>Выберите единицу расхода</translation>
    </message>
    <message>
        <source>Flow rate unit</source>
        <translation>Единица расхода</translation>
    </message>
    <message>
        <source>Select Velocity Unit</source>
        <translation>Выберите единицу скорости</translation>
    </message>
    <message>
        <source>Velocity unit</source>
        <translation>Единица скорости</translation>
    </message>
    <message>
        <source>Select Diameter Unit</source>
        <translation>Выберите единицу диаметра</translation>
    </message>
    <message>
        <source>Inside diameter unit</source>
        <translation>Единица внутреннего диаметра</translation>
    </message>
    <message>
        <source>Key in the flow rate</source>
        <translation>Введите расход</translation>
    </message>
    <message>
        <source>Volumetric flow rate</source>
        <translation>Объёмный расход</translation>
    </message>
    <message>
        <source>key in the velocity</source>
        <translation>Введите скорость</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Скорость потока</translation>
    </message>
    <message>
        <source>Key in the inside diameter</source>
        <translation>Введите внутренний диаметр</translation>
    </message>
    <message>
        <source>Inside diameter</source>
        <translation>Внутренний диаметр</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Как:</translation>
    </message>
    <message>
        <source>Northfall logo</source>
        <translation>Логотип Northfall</translation>
    </message>
    <message>
        <source>Northfall web site</source>
        <translation>Сайт Northfall</translation>
    </message>
    <message>
        <source>3. Press Calculate to get third value</source>
        <translation>3. «Рассчитать» найдёт третье</translation>
    </message>
    <message>
        <source>2. Enter two values</source>
        <translation>2. Два значения</translation>
    </message>
    <message>
        <source>1. Select Units</source>
        <translation>1. Единицы</translation>
    </message>
    <message>
        <source>Volumetric Flowrate</source>
        <translation>Объёмный расход</translation>
    </message>
    <message>
        <source>Inside Diameter</source>
        <translation>Внутр. диаметр</translation>
    </message>
</context>
<context>
    <name>Notice</name>
    <message>
        <source>The result is too large to calculate.</source>
        <translation>Результат слишком велик для расчёта.</translation>
    </message>
    <message>
        <source>A value is too small to calculate with.</source>
        <translation>Одно из значений слишком мало для расчёта.</translation>
    </message>
    <message>
        <source>Velocity and flow rate need the same sign to calculate a diameter.</source>
        <translation>Для расчёта диаметра скорость и расход должны иметь одинаковый знак.</translation>
    </message>
    <message>
        <source>The calculation failed.</source>
        <translation>Не удалось выполнить расчёт.</translation>
    </message>
    <message>
        <source>You need any 2 values to calculate flow rate!</source>
        <translation>Для расчёта введите любые два значения!</translation>
    </message>
    <message>
        <source>The Ludrix accept only numeric values</source>
        <translation>Ludrix принимает только числовые значения</translation>
    </message>
</context>
<context>
    <name>UnitDefinition</name>
    <message>
        <source>cubic foot</source>
        <translation>кубический фут</translation>
    </message>
    <message>
        <source>%1 cubic inches</source>
        <translation>%1 куб. дюйм</translation>
    </message>
    <message>
        <source>US gallon</source>
        <translation>галлон США</translation>
    </message>
    <message>
        <source>million US gallons</source>
        <translation>миллион галлонов США</translation>
    </message>
    <message>
        <source>%1 US gallons</source>
        <translation>%1 галл. США</translation>
    </message>
    <message>
        <source>liter</source>
        <translation>литр</translation>
    </message>
    <message>
        <source>cubic meter</source>
        <translation>кубический метр</translation>
    </message>
    <message>
        <source>imperial gallon</source>
        <translation>имперский галлон</translation>
    </message>
    <message>
        <source>%1 liters</source>
        <translation>%1 л</translation>
    </message>
    <message>
        <source>UK barrel</source>
        <translation>британский баррель</translation>
    </message>
    <message>
        <source>%1 imperial gallons</source>
        <translation>%1 имп. галл.</translation>
    </message>
    <message>
        <source>US liquid barrel</source>
        <translation>баррель США для жидкостей</translation>
    </message>
    <message>
        <source>US oil barrel</source>
        <translation>нефтяной баррель США</translation>
    </message>
    <message>
        <source>US federal barrel</source>
        <translation>федеральный баррель США</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>дюйм</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>millimeter</source>
        <translation>миллиметр</translation>
    </message>
    <message>
        <source>foot</source>
        <translation>фут</translation>
    </message>
    <message>
        <source>%1 inches</source>
        <translation>%1 дюймов</translation>
    </message>
    <message>
        <source>centimeter</source>
        <translation>сантиметр</translation>
    </message>
    <message>
        <source>meter</source>
        <translation>метр</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %3 = %2</source>
        <translation>%1: %3 = %2</translation>
    </message>
    <message>
        <source>%1 per second: %2, per second</source>
        <translation>%1 в секунду: %2 в секунду</translation>
    </message>
    <message>
        <source>%1 per second: %3 = %2, per second</source>
        <translation>%1 в секунду: %3 = %2 в секунду</translation>
    </message>
    <message>
        <source>%1 per minute: %2, per minute</source>
        <translation>%1 в минуту: %2 в минуту</translation>
    </message>
    <message>
        <source>%1 per minute: %3 = %2, per minute</source>
        <translation>%1 в минуту: %3 = %2 в минуту</translation>
    </message>
    <message>
        <source>%1 per hour: %2, per hour</source>
        <translation>%1 в час: %2 в час</translation>
    </message>
    <message>
        <source>%1 per hour: %3 = %2, per hour</source>
        <translation>%1 в час: %3 = %2 в час</translation>
    </message>
    <message>
        <source>%1 per day: %2, per day</source>
        <translation>%1 в сутки: %2 в сутки</translation>
    </message>
    <message>
        <source>%1 per day: %3 = %2, per day</source>
        <translation>%1 в сутки: %3 = %2 в сутки</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>cubic feet/sec</source>
        <translation>куб. фут/с</translation>
    </message>
    <message>
        <source>cubic feet/minute</source>
        <translation>куб. фут/мин</translation>
    </message>
    <message>
        <source>cubic feet/hour</source>
        <translation>куб. фут/ч</translation>
    </message>
    <message>
        <source>cubic feet/day</source>
        <translation>куб. фут/сут</translation>
    </message>
    <message>
        <source>US gallon/sec</source>
        <translation>галлон США/с</translation>
    </message>
    <message>
        <source>US gallon/minute</source>
        <translation>галлон США/мин</translation>
    </message>
    <message>
        <source>US gallon/hour</source>
        <translation>галлон США/ч</translation>
    </message>
    <message>
        <source>US gallon/day</source>
        <translation>галлон США/сут</translation>
    </message>
    <message>
        <source>million US gallon/day</source>
        <translation>млн галлонов США/сут</translation>
    </message>
    <message>
        <source>liter/second</source>
        <translation>литр/с</translation>
    </message>
    <message>
        <source>liter/minute</source>
        <translation>литр/мин</translation>
    </message>
    <message>
        <source>liter/hr</source>
        <translation>литр/ч</translation>
    </message>
    <message>
        <source>liter/day</source>
        <translation>литр/сут</translation>
    </message>
    <message>
        <source>cubic meter/sec</source>
        <translation>куб. метр/с</translation>
    </message>
    <message>
        <source>cubic meter/minute</source>
        <translation>куб. метр/мин</translation>
    </message>
    <message>
        <source>cubic meter/hour</source>
        <translation>куб. метр/ч</translation>
    </message>
    <message>
        <source>cubic meter/day</source>
        <translation>куб. метр/сут</translation>
    </message>
    <message>
        <source>imperial gallon/sec</source>
        <translation>имп. галлон/с</translation>
    </message>
    <message>
        <source>imperial gallon/minute</source>
        <translation>имп. галлон/мин</translation>
    </message>
    <message>
        <source>imperial gallon/hour</source>
        <translation>имп. галлон/ч</translation>
    </message>
    <message>
        <source>imperial gallon/day</source>
        <translation>имп. галлон/сут</translation>
    </message>
    <message>
        <source>UK Barrels/sec</source>
        <translation>брит. баррель/с</translation>
    </message>
    <message>
        <source>UK Barrels/minute</source>
        <translation>брит. баррель/мин</translation>
    </message>
    <message>
        <source>UK Barrels/hour</source>
        <translation>брит. баррель/ч</translation>
    </message>
    <message>
        <source>UK Barrels/day</source>
        <translation>брит. баррель/сут</translation>
    </message>
    <message>
        <source>US Liquid Barrels/sec</source>
        <translation>жидк. баррель США/с</translation>
    </message>
    <message>
        <source>US Liquid Barrels/minute</source>
        <translation>жидк. баррель США/мин</translation>
    </message>
    <message>
        <source>US Liquid Barrels/hour</source>
        <translation>жидк. баррель США/ч</translation>
    </message>
    <message>
        <source>US Liquid Barrels/day</source>
        <translation>жидк. баррель США/сут</translation>
    </message>
    <message>
        <source>US Oil Barrels/sec</source>
        <translation>нефт. баррель США/с</translation>
    </message>
    <message>
        <source>US Oil Barrels/minute</source>
        <translation>нефт. баррель США/мин</translation>
    </message>
    <message>
        <source>US Oil Barrels/hour</source>
        <translation>нефт. баррель США/ч</translation>
    </message>
    <message>
        <source>US Oil Barrels/day</source>
        <translation>нефт. баррель США/сут</translation>
    </message>
    <message>
        <source>US Federal Barrels/sec</source>
        <translation>фед. баррель США/с</translation>
    </message>
    <message>
        <source>US Federal Barrels/minute</source>
        <translation>фед. баррель США/мин</translation>
    </message>
    <message>
        <source>US Federal Barrels/hour</source>
        <translation>фед. баррель США/ч</translation>
    </message>
    <message>
        <source>US Federal Barrels/day</source>
        <translation>фед. баррель США/сут</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>дюймы</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>inches/sec</source>
        <translation>дюйм/с</translation>
    </message>
    <message>
        <source>ft/sec</source>
        <translation>ft/sec</translation>
    </message>
    <message>
        <source>cm/sec</source>
        <translation>cm/sec</translation>
    </message>
    <message>
        <source>m/sec</source>
        <translation>m/sec</translation>
    </message>
</context>
</TS>
