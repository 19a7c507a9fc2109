<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>DefLanguages</name>
    <message>
        <source>LID_PC_60000_01</source>
        <translation>Актуализация на програмата</translation>
    </message>
    <message>
        <source>LID_PC_60000_02</source>
        <translation>Изтегляне на инсталационните файлове.</translation>
    </message>
    <message>
        <source>LID_PC_60000_03</source>
        <translation>Програмата вече се изпълнява</translation>
    </message>
    <message>
        <source>LID_PC_60000_04</source>
        <translation>Cartaline вече се изпълнява.</translation>
    </message>
    <message>
        <source>LID_PC_60000_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_01</source>
        <translation>Неуспешна актуализация на програмата</translation>
    </message>
    <message>
        <source>LID_PC_60100_02</source>
        <translation>Няма връзка с мрежата. 
Актуализацията не може да продължи.</translation>
    </message>
    <message>
        <source>LID_PC_60100_03</source>
        <translation>Проверете мрежата (включително мрежовия кабел и рутера), защитната стена и настройките на антивирусната програма и опитайте отново.</translation>
    </message>
    <message>
        <source>LID_PC_60100_04</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_05</source>
        <translation>Неуспешна актуализация на програмата</translation>
    </message>
    <message>
        <source>LID_PC_60100_06</source>
        <translation>Файлът за актуализация не е намерен.</translation>
    </message>
    <message>
        <source>LID_PC_60100_07</source>
        <translation>Опитайте отново по-късно.</translation>
    </message>
    <message>
        <source>LID_PC_60100_17</source>
        <translation>Ако проблемът продължава, свържете се с отдела за обслужване на клиенти.</translation>
    </message>
    <message>
        <source>LID_PC_60100_08</source>
        <translation>Посетете уебсайта за обслужване на клиенти</translation>
    </message>
    <message>
        <source>LID_PC_60100_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_10</source>
        <translation>Спиране на актуализацията</translation>
    </message>
    <message>
        <source>LID_PC_60100_11</source>
        <translation>Да се спре ли актуализацията сега?</translation>
    </message>
    <message>
        <source>LID_PC_60100_18</source>
        <translation>Ако спрете актуализацията, Cartaline ще се затвори автоматично.</translation>
    </message>
    <message>
        <source>LID_PC_60100_12</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_13</source>
        <translation>Неуспешна актуализация на програмата</translation>
    </message>
    <message>
        <source>LID_PC_60100_14</source>
        <translation>Актуализацията на Cartaline е неуспешна.</translation>
    </message>
    <message>
        <source>LID_PC_60100_19</source>
        <translation>Искате ли да опитате отново?</translation>
    </message>
    <message>
        <source>LID_PC_60100_15</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60100_16</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>LID_PC_60200_01</source>
        <translation>Cartaline е готова за актуализиране.</translation>
    </message>
    <message>
        <source>LID_PC_60200_16</source>
        <translation>За да разрешите тази промяна, въведете паролата.</translation>
    </message>
    <message>
        <source>LID_PC_60200_02</source>
        <translation>Потребителско име</translation>
    </message>
    <message>
        <source>LID_PC_60200_03</source>
        <translation>Парола</translation>
    </message>
    <message>
        <source>LID_PC_60200_04</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>LID_PC_60200_05</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_06</source>
        <translation>Неуспешна актуализация на програмата</translation>
    </message>
    <message>
        <source>LID_PC_60200_07</source>
        <translation>Няма връзка с мрежата. 
Актуализацията не може да продължи.</translation>
    </message>
    <message>
        <source>LID_PC_60200_08</source>
        <translation>Проверете мрежата (включително мрежовия кабел и рутера), защитната стена 
и настройките на антивирусната програма и опитайте отново.</translation>
    </message>
    <message>
        <source>LID_PC_60200_09</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LID_PC_60200_10</source>
        <translation>Неуспешна актуализация на програмата</translation>
    </message>
    <message>
        <source>LID_PC_60200_11</source>
        <translation>Програмата не можа да бъде актуализирана.</translation>
    </message>
    <message>
        <source>LID_PC_60200_12</source>
        <translation>Опитайте отново по-късно.</translation>
    </message>
    <message>
        <source>LID_PC_60200_15</source>
        <translation>Ако проблемът продължава, свържете се с отдела за обслужване на клиенти.</translation>
    </message>
    <message>
        <source>LID_PC_60200_13</source>
        <translation>Посетете уебсайта за обслужване на клиенти</translation>
    </message>
    <message>
        <source>LID_PC_60200_14</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
